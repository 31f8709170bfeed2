// Linked with every object of the runtime core and the runtime widgets and nothing above them; the
// program only has to exist. A runtime call into the domain, the screens or the application leaves
// a symbol this link cannot find.
int main() {
    return 0;
}
