// A library that is loaded by the mail library's name but has no MAPISendMail.
extern "C" __attribute__((visibility("default"))) int MAPILogon() {
    return 0;
}
