// A singly linked list of frames with a cursor. A ListeAnim is a handle:
// copies share the nodes and each has a cursor of its own, which is how an
// animated object plays a stored animation without disturbing it.
#ifndef ZEF_LISTEANIM_H
#define ZEF_LISTEANIM_H

#include "itemimganim.h"

class ListeAnim {
public:
    int32_t nbelem = 0;
    ItemImgAnim* premier = nullptr;
    ItemImgAnim* cour = nullptr;    // the cursor
    ItemImgAnim* pcour = nullptr;   // the node before the cursor, null on the first

    // True when the cursor is null: an empty list, or a cursor run off the end.
    bool EstVide() const { return cour == nullptr; }
    // Inserts a copy of the frame before the cursor; it becomes the cursor.
    // To append in order: ajouter then suivant, frame after frame.
    void ajouter(ImgAnim img);
    void Premier()
    {
        cour = premier;
        pcour = nullptr;
    }
    void suivant()
    {
        pcour = cour;
        cour = cour->suivant;
    }
    bool estfindeliste() const { return cour->suivant == nullptr; }
    bool estpremier() const { return cour == premier; }
    // The frame under the cursor, or a blank frame when there is none.
    ImgAnim extraire() const;
    // Links the last node back to `cible`: the list loops from there for ever.
    void boucler(ItemImgAnim* cible);
    // The last frame repeats for ever.
    void bouclerfin();
    // Releases every frame's picture and every node: the list is empty after.
    // Copies of this list must not be used afterwards.
    void toutsupprimer();
    // Whether the frame under the cursor, begun at tick a, is over.
    bool EstTimeImgFini(int32_t a) const { return t - a > cour->cont.tpimg; }
    // The same with a bonus that shortens the frame, dropped when fewer than
    // ten ticks would remain.
    bool EstTimeImgFini(int32_t a, int32_t bonus) const;

    // Where the cursor stands: the number of frames from the first, -1 when
    // it has run off the end.
    int32_t position() const;

private:
    ItemImgAnim* dernier() const;
};

#endif
