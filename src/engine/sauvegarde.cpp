#include <utility>

#include "moteur.h"

EtatMatch Moteur::Sauver(const ParamMoteur* PM) const
{
    EtatMatch e;
    e.p1 = p1;
    e.p2 = p2;
    e.stimer = stimer;
    e.secondes = t;
    e.priorP = priorP;
    e.nbround = nbround;
    e.nbwinp1 = nbwinp1;
    e.nbwinp2 = nbwinp2;
    e.p1touche = p1touche;
    e.p2touche = p2touche;
    e.tremble = tremble;
    e.ftremb = ftremb;
    e.ttremble = ttremble;
    e.vitesse = vitesse;
    e.coups[0] = coups[0];
    e.coups[1] = coups[1];
    e.nouvelle_image_p1 = nouvelle_image_p1;
    e.nouvelle_image_p2 = nouvelle_image_p2;
    e.txt = txt;
    e.p1win = p1win;
    e.p2win = p2win;
    e.fini = fini;
    e.stade = stade;
    e.tps_stade = tps_stade;
    e.horloge = horloge;
    e.alea = alea;
    e.scrollx = PM->Parlvl.scrollx;
    e.scrolly = PM->Parlvl.scrolly;
    e.t = ::t;
    e.s = ::s;
    e.tick_match = tick_match;
    e.plus = plus;
    return e;
}

void Moteur::Restaurer(const EtatMatch& e, ParamMoteur* PM)
{
    // The voices playing are the sound's business, not the fight's.
    for (auto [perso, copie] : {std::pair<Perso*, const Perso*>{&p1, &e.p1}, {&p2, &e.p2}}) {
        const CANALPERSO son = perso->sonperso;
        *perso = *copie;
        perso->sonperso = son;
    }
    stimer = e.stimer;
    t = e.secondes;
    priorP = e.priorP;
    nbround = e.nbround;
    nbwinp1 = e.nbwinp1;
    nbwinp2 = e.nbwinp2;
    p1touche = e.p1touche;
    p2touche = e.p2touche;
    tremble = e.tremble;
    ftremb = e.ftremb;
    ttremble = e.ttremble;
    vitesse = e.vitesse;
    coups[0] = e.coups[0];
    coups[1] = e.coups[1];
    nouvelle_image_p1 = e.nouvelle_image_p1;
    nouvelle_image_p2 = e.nouvelle_image_p2;
    txt = e.txt;
    p1win = e.p1win;
    p2win = e.p2win;
    fini = e.fini;
    stade = e.stade;
    tps_stade = e.tps_stade;
    horloge = e.horloge;
    horloge.periode(horloge.periode());   // the real timer follows the restored period
    alea = e.alea;
    PM->Parlvl.scrollx = e.scrollx;
    PM->Parlvl.scrolly = e.scrolly;
    ::t = e.t;
    ::s = e.s;
    tick_match = e.tick_match;
    plus = e.plus;
    ordre_dessin.valide = false;
}

uint64_t Moteur::SommeEtat(const ParamMoteur* PM) const
{
    Somme h;
    p1.Resumer(h);
    p2.Resumer(h);
    h.ajouter({stimer, t, priorP, nbround, nbwinp1, nbwinp2, p1touche, p2touche, tremble, ftremb, ttremble, vitesse,
               coups[0], coups[1], nouvelle_image_p1, nouvelle_image_p2, p1win, p2win, fini, stade, tps_stade});
    for (const char* c = txt; c && *c; ++c)
        h.ajouter(int64_t(*c));
    h.ajouter(regles.bits());
    plus.Resumer(h);
    h.ajouter({horloge.periode(), horloge.reste_us(), horloge.ticks(), int64_t(alea.etat)});
    h.ajouter({PM->Parlvl.scrollx, PM->Parlvl.scrolly, ::t.load(), ::s.load(), tick_match});
    return h.valeur();
}
