/* A mail library that accepts every message, so that the program finds one to load. */
unsigned int MAPISendMail(unsigned long session, unsigned long parent, void* message,
                          unsigned int flags, unsigned int reserved) {
    (void)session;
    (void)parent;
    (void)message;
    (void)flags;
    (void)reserved;
    return 0;
}
