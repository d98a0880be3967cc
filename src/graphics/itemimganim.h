// A node of a frame list.
#ifndef ZEF_ITEMIMGANIM_H
#define ZEF_ITEMIMGANIM_H

#include "imganim.h"

struct ItemImgAnim {
    ImgAnim cont;
    ItemImgAnim* suivant = nullptr;   // null at the end of a list that does not loop
};

#endif
