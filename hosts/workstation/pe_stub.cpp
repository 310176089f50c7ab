// A real program of this build's architecture, laid out as a host's executable so that GetBinaryTypeA
// answers 32-bit or 64-bit truthfully. Run, it does nothing.
int main() { return 0; }
