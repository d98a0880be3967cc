#include "liaison.h"

#include <enet/enet.h>
#include <ifaddrs.h>
#include <arpa/inet.h>
#include <netinet/in.h>

#include <chrono>
#include <cstdlib>
#include <mutex>

namespace {

constexpr enet_uint8 CANAL_FIABLE = 0;
constexpr enet_uint8 CANAL_RAPIDE = 1;

bool enet_pret()
{
    static std::once_flag une_fois;
    static bool pret = false;
    std::call_once(une_fois, [] {
        pret = enet_initialize() == 0;
        if (pret)
            std::atexit(enet_deinitialize);
    });
    return pret;
}

}  // namespace

struct Liaison::Hote {
    ENetHost* h = nullptr;
    ~Hote()
    {
        if (h)
            enet_host_destroy(h);
    }
};

Liaison::Liaison() : hote_(std::make_unique<Hote>()) {}

Liaison::~Liaison()
{
    if (!pair_)
        return;
    // A goodbye still on its way goes first: the transport disconnects once
    // the peer has acknowledged everything sent (a packet arriving with the
    // disconnection would be dropped there), and is given a moment for it.
    auto* pair = static_cast<ENetPeer*>(pair_);
    enet_peer_disconnect_later(pair, 0);
    ENetEvent e;
    for (int attente = 0; attente < 30 && enet_host_service(hote_->h, &e, 10) >= 0;) {
        if (e.type == ENET_EVENT_TYPE_DISCONNECT)
            return;
        if (e.type == ENET_EVENT_TYPE_RECEIVE)
            enet_packet_destroy(e.packet);
        if (e.type == ENET_EVENT_TYPE_NONE)
            ++attente;
    }
    enet_peer_disconnect_now(pair, 0);
    enet_host_flush(hote_->h);
}

bool lire_adresse(const std::string& texte, std::string& hote, uint16_t& port)
{
    const size_t deux_points = texte.rfind(':');
    std::string nom = texte;
    uint16_t p = PORT_PAR_DEFAUT;
    if (deux_points != std::string::npos) {
        const std::string chiffres = texte.substr(deux_points + 1);
        if (chiffres.empty() || chiffres.size() > 5 || chiffres.find_first_not_of("0123456789") != std::string::npos)
            return false;
        const long n = std::strtol(chiffres.c_str(), nullptr, 10);
        if (n < 1 || n > 65535)
            return false;
        p = static_cast<uint16_t>(n);
        nom = texte.substr(0, deux_points);
    }
    if (nom.empty() || nom.size() > 253 ||
        nom.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.-") != std::string::npos)
        return false;
    hote = nom;
    port = p;
    return true;
}

std::unique_ptr<Liaison> Liaison::heberger(uint16_t port, std::string& erreur)
{
    if (!enet_pret()) {
        erreur = "le réseau ne démarre pas";
        return nullptr;
    }
    ENetAddress adresse;
    adresse.host = ENET_HOST_ANY;
    adresse.port = port;
    std::unique_ptr<Liaison> l(new Liaison);
    // One peer: a second one is turned away by the transport itself.
    l->hote_->h = enet_host_create(&adresse, 1, 2, 0, 0);
    if (!l->hote_->h) {
        erreur = "le port " + std::to_string(port) + " est déjà pris";
        return nullptr;
    }
    return l;
}

std::unique_ptr<Liaison> Liaison::rejoindre(const std::string& hote, uint16_t port, std::string& erreur)
{
    if (!enet_pret()) {
        erreur = "le réseau ne démarre pas";
        return nullptr;
    }
    ENetAddress adresse;
    if (enet_address_set_host(&adresse, hote.c_str()) != 0) {
        erreur = "adresse inconnue : " + hote;
        return nullptr;
    }
    adresse.port = port;
    std::unique_ptr<Liaison> l(new Liaison);
    l->hote_->h = enet_host_create(nullptr, 1, 2, 0, 0);
    if (!l->hote_->h || !enet_host_connect(l->hote_->h, &adresse, 2, 0)) {
        erreur = "impossible d'appeler " + hote;
        return nullptr;
    }
    return l;
}

int Liaison::aller_retour_ms() const
{
    return pair_ ? static_cast<int>(static_cast<ENetPeer*>(pair_)->roundTripTime) : 0;
}

uint16_t Liaison::port() const { return hote_->h ? hote_->h->address.port : 0; }

void Liaison::envoyer(const std::vector<uint8_t>& octets, bool fiable, int64_t maintenant_ms)
{
    route_.confier(octets, fiable, maintenant_ms);
    servir(maintenant_ms);
}

void Liaison::servir(int64_t maintenant_ms)
{
    if (!hote_->h)
        return;
    std::vector<uint8_t> d;
    bool fiable = false;
    while (route_.livrer(maintenant_ms, d, fiable)) {
        if (!pair_)
            continue;   // nobody to send to yet: the keys are sent again anyway
        ENetPacket* p = enet_packet_create(d.data(), d.size(),
                                           fiable ? ENET_PACKET_FLAG_RELIABLE : ENET_PACKET_FLAG_UNSEQUENCED);
        if (p && enet_peer_send(static_cast<ENetPeer*>(pair_), fiable ? CANAL_FIABLE : CANAL_RAPIDE, p) != 0)
            enet_packet_destroy(p);
    }
    ENetEvent e;
    while (enet_host_service(hote_->h, &e, 0) > 0) {
        switch (e.type) {
        case ENET_EVENT_TYPE_CONNECT:
            if (!pair_ && !rompue_) {
                pair_ = e.peer;
                // A peer silent for 3 to 5 s is gone (the transport pings it).
                enet_peer_timeout(e.peer, 0, 3000, 5000);
            } else
                enet_peer_disconnect_now(e.peer, 0);
            break;
        case ENET_EVENT_TYPE_RECEIVE:
            if (e.peer == pair_) {
                if (e.packet->dataLength <= DATAGRAMME_MAX)
                    recus_.emplace_back(e.packet->data, e.packet->data + e.packet->dataLength);
                else
                    ++trop_grands_;
            }
            enet_packet_destroy(e.packet);
            break;
        case ENET_EVENT_TYPE_DISCONNECT:
            if (e.peer == pair_) {
                pair_ = nullptr;
                rompue_ = true;
            }
            break;
        default:
            break;
        }
    }
    enet_host_flush(hote_->h);
}

bool Liaison::recevoir(std::vector<uint8_t>& octets)
{
    if (lus_ >= recus_.size()) {
        recus_.clear();
        lus_ = 0;
        return false;
    }
    octets = std::move(recus_[lus_++]);
    return true;
}

int64_t horloge_reseau_ms()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::vector<std::string> adresses_locales()
{
    std::vector<std::string> adresses;
    ifaddrs* liste = nullptr;
    if (getifaddrs(&liste) != 0)
        return adresses;
    for (ifaddrs* i = liste; i; i = i->ifa_next) {
        if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET)
            continue;
        char texte[INET_ADDRSTRLEN] = {};
        const auto* ip = reinterpret_cast<const sockaddr_in*>(i->ifa_addr);
        if (inet_ntop(AF_INET, &ip->sin_addr, texte, sizeof texte) && std::string(texte) != "127.0.0.1")
            adresses.push_back(texte);
    }
    freeifaddrs(liste);
    return adresses;
}
