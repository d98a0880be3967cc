#include "conditions.h"

#include <algorithm>
#include <sstream>

bool Conditions::parfaites() const
{
    return delai_ms == 0 && gigue_ms == 0 && perte_pct == 0 && doublon_pct == 0 && desordre_pct == 0 &&
           rafale_tous_ms == 0;
}

bool lire_conditions(const std::string& texte, Conditions& c)
{
    Conditions lu;
    std::istringstream flux(texte);
    std::string terme;
    while (std::getline(flux, terme, ',')) {
        const size_t egal = terme.find('=');
        if (egal == std::string::npos)
            return false;
        const std::string cle = terme.substr(0, egal), valeur = terme.substr(egal + 1);
        auto nombre = [](const std::string& v, int max, int& n) {
            if (v.empty() || v.size() > 6 || v.find_first_not_of("0123456789") != std::string::npos)
                return false;
            n = std::stoi(v);
            return n <= max;
        };
        bool ok = false;
        if (cle == "delai")
            ok = nombre(valeur, 10000, lu.delai_ms);
        else if (cle == "gigue")
            ok = nombre(valeur, 10000, lu.gigue_ms);
        else if (cle == "perte")
            ok = nombre(valeur, 100, lu.perte_pct);
        else if (cle == "doublon")
            ok = nombre(valeur, 100, lu.doublon_pct);
        else if (cle == "desordre")
            ok = nombre(valeur, 100, lu.desordre_pct);
        else if (cle == "rafale") {
            const size_t barre = valeur.find('/');
            ok = barre != std::string::npos && nombre(valeur.substr(0, barre), 100000, lu.rafale_ms) &&
                 nombre(valeur.substr(barre + 1), 1000000, lu.rafale_tous_ms) && lu.rafale_ms < lu.rafale_tous_ms;
        }
        if (!ok)
            return false;
    }
    c = lu;
    return true;
}

int64_t Acheminement::delai()
{
    int64_t d = c_.delai_ms;
    if (c_.gigue_ms > 0)
        d += alea_.tirer() % (2 * c_.gigue_ms + 1) - c_.gigue_ms;
    return std::max<int64_t>(0, d);
}

void Acheminement::ranger(EnRoute e)
{
    // After every datagram due at the same moment or before: equal delays
    // keep the order they were sent in.
    const auto ou = std::upper_bound(route_.begin(), route_.end(), e, [](const EnRoute& a, const EnRoute& b) {
        return a.arrivee < b.arrivee || (a.arrivee == b.arrivee && a.ordre < b.ordre);
    });
    route_.insert(ou, std::move(e));
}

void Acheminement::confier(const std::vector<uint8_t>& datagramme, bool fiable, int64_t maintenant_ms)
{
    if (fiable) {
        // The transport resends what is lost and keeps the order.
        dernier_fiable_ = std::max(dernier_fiable_, maintenant_ms + delai());
        ranger({dernier_fiable_, ordre_++, true, datagramme});
        return;
    }
    const bool en_rafale =
        c_.rafale_tous_ms > 0 && maintenant_ms % c_.rafale_tous_ms >= c_.rafale_tous_ms - c_.rafale_ms;
    if (en_rafale || tirer(c_.perte_pct))
        return;
    int64_t arrivee = maintenant_ms + delai();
    if (tirer(c_.desordre_pct))
        arrivee += 2 * c_.gigue_ms + 20;   // overtaken by what follows
    ranger({arrivee, ordre_++, false, datagramme});
    if (tirer(c_.doublon_pct))
        ranger({maintenant_ms + delai(), ordre_++, false, datagramme});
}

bool Acheminement::livrer(int64_t maintenant_ms, std::vector<uint8_t>& datagramme, bool& fiable)
{
    if (route_.empty() || route_.front().arrivee > maintenant_ms)
        return false;
    datagramme = std::move(route_.front().octets);
    fiable = route_.front().fiable;
    route_.pop_front();
    return true;
}
