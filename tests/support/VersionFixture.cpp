// A program that carries nothing but the version data its build gives it.
int main() {
    return 0;
}
