#include "recit.h"

namespace {

// Vishvakarman, the temple's architect, built the Zef mirror to measure
// souls: whoever beats the three others meets the double it makes of them.
// Every tale is one fighter's road to that mirror.
const Recit RECITS[4] = {
    // shiz: quick, cocky, looking for a rival worth the name.
    {{{talon, elbeuf, "graphics/recit_elbeuf.bmp",
       "Elbeuf, un soir de pluie. Shiz a entendu parler d'un miroir qui montre au plus fort son seul vrai "
       "rival. Devant l'université, un homme en noir l'attend déjà.",
       "Tu bloques le passage. Pousse-toi, j'ai un miroir à trouver.",
       "On m'a payé pour que tu n'arrives jamais en Inde."},
      {vishvakarman, inde, "graphics/recit_inde.bmp",
       "Au temple, l'architecte Vishvakarman médite devant une porte scellée. Le miroir est derrière, et elle "
       "ne s'ouvrira que pour qui saura le vaincre.",
       "Je suis trop rapide pour ta méditation, grand-père.",
       "La vitesse n'est qu'une forme d'impatience. Montre-moi le reste."},
      {panda, aeroport, "graphics/recit_aeroport.bmp",
       "La porte ouverte, le miroir a disparu : un panda l'a emporté dans sa caisse de voyage. Shiz le "
       "rattrape sur les pistes de l'aéroport.",
       "Rends-moi ce miroir, boule de poils !", "Grrr... Rrrooaar !"},
      {shiz, aeroport, "graphics/recit_final.bmp",
       "Le miroir s'illumine. Il en sort un Shiz plus vif, plus fort, avec le même sourire. Le seul rival "
       "qui compte, c'est lui.",
       "Pas mal. Mais l'original, c'est moi.", "Tu n'as jamais été aussi rapide que moi."}},
     "Le double se brise en mille éclats de lumière. Shiz range le miroir dans son sac : il n'a plus de "
     "rival, seulement des élèves à venir.",
     "graphics/fin_shiz.bmp"},
    // talon: a cold assassin on one last contract.
    {{{shiz, aeroport, "graphics/recit_aeroport.bmp",
       "Talon ne rate jamais un contrat. Le dernier est étrange : rapporter un miroir gardé en Inde. Un "
       "jeune bagarreur convoite le même trésor et l'attend à l'aéroport.",
       "Rien de personnel. Tu es sur mon chemin.", "Un assassin ? Trop lent pour moi."},
      {panda, elbeuf, "graphics/recit_elbeuf.bmp",
       "De retour à Elbeuf pour préparer le voyage, Talon trouve sa planque dévastée. Au milieu des débris, "
       "un panda mâchonne son contrat.",
       "Ce papier valait plus que toi.", "Grrrmph... Rrrah !"},
      {vishvakarman, inde, "graphics/recit_inde.bmp",
       "Au temple, Vishvakarman sait déjà pourquoi Talon est venu. Il n'appelle aucun garde : il se lève, "
       "simplement.",
       "Donne-moi le miroir, et personne ne sera blessé.",
       "Celui qui t'envoie ne t'a pas dit ce que montre ce miroir."},
      {talon, elbeuf, "graphics/recit_final.bmp",
       "Talon soulève le miroir. Son reflet sort du cadre, plus froid que lui, sans la moindre hésitation. "
       "La cible du contrat, c'était lui.",
       "Alors c'est toi que je dois abattre.", "J'ai toujours été ce que tu voulais devenir."}},
     "Talon brise le miroir et brûle le contrat. Pour la première fois, il choisit seul son prochain "
     "chemin.",
     "graphics/fin_talon.bmp"},
    // vishvakarman: the calm architect, running after his own work.
    {{{panda, inde, "graphics/recit_inde.bmp",
       "Vishvakarman a bâti le miroir de Zef pour mesurer les âmes. Un matin, un panda affamé renverse les "
       "offrandes du temple et en fait trembler les murs.",
       "Doucement, ami. Ce temple a mis mille ans à tenir debout.", "Rrroaaa ! Grr !"},
      {shiz, aeroport, "graphics/recit_aeroport.bmp",
       "Dans la bagarre, le miroir a glissé dans une caisse partie pour l'aéroport. Là-bas, un jeune "
       "combattant l'a déjà trouvé.",
       "Cet objet n'est pas un jouet. Rends-le-moi.", "Celui qui le veut devra d'abord me battre !"},
      {talon, elbeuf, "graphics/recit_elbeuf.bmp",
       "Le miroir repris, Vishvakarman suit la piste de celui qui a payé pour le voler, jusqu'à une rue "
       "d'Elbeuf, au pied de l'université.",
       "Je ne te veux aucun mal. Qui t'envoie ?", "Mon client paie bien. Et il ne te ressemble pas du tout."},
      {vishvakarman, inde, "graphics/recit_final.bmp",
       "De retour au temple, le miroir s'éveille et montre à son créateur ce qu'il a bâti : un Vishvakarman "
       "qui a cessé de douter.",
       "Je t'ai fait pour mesurer les autres, pas pour me juger.",
       "Tu m'as fait à ton image. Je suis seulement meilleur."}},
     "Le double s'efface comme une flamme soufflée. Vishvakarman scelle le miroir sous le temple : "
     "certaines mesures ne doivent pas être prises.",
     "graphics/fin_vishvakarman.bmp"},
    // the panda: a real panda, after bamboo and nothing else.
    {{{shiz, aeroport, "graphics/recit_aeroport.bmp",
       "Le panda voyageait tranquillement dans sa caisse quand un jeune combattant l'a ouverte pour y "
       "chercher un miroir. Très mauvaise idée.",
       "Grrrr... Rrrah ?", "Un panda ? On m'avait parlé d'un miroir, pas d'un nounours !"},
      {talon, elbeuf, "graphics/recit_elbeuf.bmp",
       "Échappé dans les rues d'Elbeuf, le panda sent une odeur de bambou. Un homme en noir bloque la "
       "ruelle.",
       "Rrrooaar !", "Un panda. Personne ne me croira."},
      {vishvakarman, inde, "graphics/recit_inde.bmp",
       "Son flair le mène jusqu'au temple, où les offrandes sentent bon. Le gardien des lieux n'a pas l'air "
       "d'accord.",
       "Grr... Hehehe.", "Les offrandes sont pour les dieux, petit frère."},
      {panda, inde, "graphics/recit_final.bmp",
       "Dans la salle du miroir, le panda croise son reflet. Le reflet grogne plus fort, et il a trouvé le "
       "bambou le premier.",
       "GRRR !", "GRRRRR !!"}},
     "Le reflet vaincu, le panda s'installe devant le miroir et mâche son bambou en se regardant. Le "
     "temple a un nouveau gardien.",
     "graphics/fin_panda.bmp"},
};

// 640 x 480: the narration across the top, the two portraits (270 x 240)
// side by side, each fighter's line under its own, the statistics in a
// band above the prompt.
const MiseEnPage MISE_EN_PAGE = {
    {{20, 96, 270, 240}, {350, 96, 270, 240}},
    {20, 8, 600, 80},
    {{20, 344, 270, 58}, {350, 344, 270, 58}},
    {20, 408, 600, 36},
    452,
    8,
};

}  // namespace

const Recit& recit_de(PERSO heros) { return RECITS[heros >= shiz && heros <= panda ? heros : shiz]; }

int ecart_chapitre(int chapitre)
{
    static const int ECART[NB_CHAPITRES] = {-1, 0, 1, 2};
    return ECART[chapitre >= 0 && chapitre < NB_CHAPITRES ? chapitre : 0];
}

const MiseEnPage& mise_en_page_recit() { return MISE_EN_PAGE; }
