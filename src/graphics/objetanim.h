// A moving object with sixty stored animations, one per slot, read from an
// animation file; it plays one at a time and, when a one-shot animation has
// played out, goes back to the one it interrupted.
#ifndef ZEF_OBJETANIM_H
#define ZEF_OBJETANIM_H

#include "listeanim.h"
#include "objetmvt.h"
#include "../progression/paramjoueur.h"

class ObjetAnim : public ObjetMvt {
public:
    ListeAnim ChAnim;             // the animation playing
    ListeAnim CONTENU[60];        // the stored animations; cursors on their first frame

    void SetPath(const ParamJoueur& par);
    // Reads the animation file. A file that cannot be opened or closed ends
    // the game with a message: no match can run without its animations.
    void LoadAllAnime(const ParamJoueur& par);
    // Starts a slot's animation from its first frame; an empty slot starts
    // its fallback instead. Slot numbers outside 0..59 are ignored.
    void SetAnim(int a);
    // Moves to the next frame once the one on show is over.
    void NewAnim();
    void FinAnim()
    {
        ChAnim = OldChAnim;
        slot_ = old_slot_;
    }
    ImgAnim ExtrAnim() const { return ChAnim.extraire(); }
    // The slot whose animation is playing (after any fallback).
    int Slot() const { return slot_; }
    void SynchroTimeAnim() { to = t; }
    // Releases every stored frame; no animation is playing afterwards.
    void Destroy();

    // The slot started in place of an empty one; -1 for none (slot 0).
    static int SlotDeRepli(int slot);

    // The animation playing and the one put aside, as stored slots and
    // cursor positions, and the picture on show as one of their frames.
    void Resumer(Somme& h) const;

protected:
    ListeAnim OldChAnim;
    char pathfile[LONGUEUR_CHEMIN] = {};
    int32_t to = 0;   // tick at which the frame on show began
    int slot_ = 0, old_slot_ = 0;

    void MontrerImage();
    void RemplirDepuis(const char* chemin);
    // One position step in which the frame on show, when it carries a
    // velocity, imposes it (mirrored for a mirrored object) instead of the
    // acceleration.
    void PasSelonImage();
};

#endif
