// Presses the close button of every top-level window whose name contains
// the given text, as a window manager would: a WM_DELETE_WINDOW message.
//
//   fermer_fenetre "Quendavorin"
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fermer_fenetre WINDOW-NAME\n");
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "fermer_fenetre: no display\n");
        return 2;
    }
    const Atom protocoles = XInternAtom(d, "WM_PROTOCOLS", False);
    const Atom supprimer = XInternAtom(d, "WM_DELETE_WINDOW", False);
    Window racine, parent, *enfants = nullptr;
    unsigned n = 0;
    XQueryTree(d, DefaultRootWindow(d), &racine, &parent, &enfants, &n);
    int fermees = 0;
    for (unsigned i = 0; i < n; ++i) {
        char* nom = nullptr;
        if (!XFetchName(d, enfants[i], &nom) || !nom)
            continue;
        if (std::strstr(nom, argv[1])) {
            XEvent e{};
            e.xclient.type = ClientMessage;
            e.xclient.window = enfants[i];
            e.xclient.message_type = protocoles;
            e.xclient.format = 32;
            e.xclient.data.l[0] = static_cast<long>(supprimer);
            e.xclient.data.l[1] = CurrentTime;
            XSendEvent(d, enfants[i], False, NoEventMask, &e);
            ++fermees;
        }
        XFree(nom);
    }
    if (enfants)
        XFree(enfants);
    XCloseDisplay(d);
    if (fermees == 0) {
        std::fprintf(stderr, "fermer_fenetre: no window named like \"%s\"\n", argv[1]);
        return 1;
    }
    return 0;
}
