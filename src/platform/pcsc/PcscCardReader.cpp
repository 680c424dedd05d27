#include "platform/pcsc/PcscCardReader.h"

#include <PCSC/winscard.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

struct PcscCardReader::Shared {
    std::mutex mutex;
    std::condition_variable wake;
    PcscCardReader *owner = nullptr; // null once the reader object is gone
    bool stop = false;
    bool running = false;
    SCARDCONTEXT context = 0;
    bool hasContext = false;
    QStringList readers;
};

namespace {

using Shared = PcscCardReader::Shared;

// How long one wait for a change lasts; the thread looks whether it is to
// stop in between, since a cancel that comes between two waits is lost.
constexpr DWORD kWaitMs = 1000;
constexpr auto kRetryService = 2s;
constexpr char kPnp[] = "\\\\?PnP?\\Notification";

bool stopped(Shared &sh) {
    std::lock_guard lock(sh.mutex);
    return sh.stop;
}

void rest(Shared &sh, std::chrono::milliseconds d) {
    std::unique_lock lock(sh.mutex);
    sh.wake.wait_for(lock, d, [&] { return sh.stop; });
}

void tellReaders(Shared &sh, const QStringList &names) {
    std::lock_guard lock(sh.mutex);
    if (sh.readers == names)
        return;
    sh.readers = names;
    if (sh.owner)
        Q_EMIT sh.owner->readersChanged(names);
}

void tellTouch(Shared &sh, const QString &id) {
    std::lock_guard lock(sh.mutex);
    if (sh.owner)
        Q_EMIT sh.owner->touched(id);
}

void setContext(Shared &sh, SCARDCONTEXT c, bool has) {
    std::lock_guard lock(sh.mutex);
    sh.context = c;
    sh.hasContext = has;
}

// The service is gone (stopped, restarted, never there): a new context is
// needed.
bool serviceGone(LONG rv) {
    return rv == SCARD_E_NO_SERVICE || rv == SCARD_E_SERVICE_STOPPED ||
           rv == SCARD_E_INVALID_HANDLE || rv == SCARD_F_COMM_ERROR;
}

LONG listReaders(SCARDCONTEXT c, std::vector<std::string> &names) {
    names.clear();
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD len = 0;
        LONG rv = SCardListReaders(c, nullptr, nullptr, &len);
        if (rv == SCARD_E_NO_READERS_AVAILABLE)
            return SCARD_S_SUCCESS;
        if (rv != SCARD_S_SUCCESS)
            return rv;
        std::string buf(len, '\0');
        rv = SCardListReaders(c, nullptr, buf.data(), &len);
        if (rv == SCARD_E_INSUFFICIENT_BUFFER)
            continue; // a reader came between the two calls
        if (rv == SCARD_E_NO_READERS_AVAILABLE)
            return SCARD_S_SUCCESS;
        if (rv != SCARD_S_SUCCESS)
            return rv;
        for (size_t p = 0; p < buf.size() && buf[p] != '\0';) {
            const size_t end = buf.find('\0', p);
            names.push_back(buf.substr(p, end - p));
            p = end == std::string::npos ? buf.size() : end + 1;
        }
        return SCARD_S_SUCCESS;
    }
    return SCARD_E_INSUFFICIENT_BUFFER;
}

// GET DATA of the card on the reader: its UID or IDm. Empty when the card
// does not answer it.
QString readId(SCARDCONTEXT c, const std::string &reader) {
    SCARDHANDLE card = 0;
    DWORD protocol = 0;
    LONG rv = SCARD_E_SHARING_VIOLATION;
    for (int attempt = 0; attempt < 5 && rv == SCARD_E_SHARING_VIOLATION; ++attempt) {
        rv = SCardConnect(c, reader.c_str(), SCARD_SHARE_SHARED,
                          SCARD_PROTOCOL_T0 | SCARD_PROTOCOL_T1, &card, &protocol);
        if (rv == SCARD_E_SHARING_VIOLATION)
            std::this_thread::sleep_for(50ms);
    }
    if (rv != SCARD_S_SUCCESS)
        return {};
    const SCARD_IO_REQUEST *pci = protocol == SCARD_PROTOCOL_T0 ? SCARD_PCI_T0 : SCARD_PCI_T1;
    BYTE command[] = {0xFF, 0xCA, 0x00, 0x00, 0x00};
    QString id;
    for (int attempt = 0; attempt < 2; ++attempt) {
        BYTE answer[258];
        DWORD len = sizeof answer;
        if (SCardTransmit(card, pci, command, sizeof command, nullptr, answer, &len) !=
                SCARD_S_SUCCESS ||
            len < 2)
            break;
        const BYTE sw1 = answer[len - 2];
        const BYTE sw2 = answer[len - 1];
        if (sw1 == 0x6C) { // wrong length: the card names the right one
            command[4] = sw2;
            continue;
        }
        if (sw1 == 0x90 && sw2 == 0x00 && len > 2 && len - 2 <= DWORD(cardid::kMaxLength / 2))
            id =
                cardid::fromBytes(QByteArray(reinterpret_cast<const char *>(answer), int(len - 2)));
        break;
    }
    SCardDisconnect(card, SCARD_LEAVE_CARD);
    return id;
}

// What the thread knows of one reader.
struct Seen {
    bool known = false; // its state was seen once: a card already there is no touch
    bool present = false;
    DWORD events = 0; // the count of cards put and taken, in the state's upper word
};

void watch(const std::shared_ptr<Shared> &sh) {
    SCARDCONTEXT context = 0;
    bool hasContext = false;
    std::vector<std::string> names;
    std::vector<Seen> seen;
    std::vector<SCARD_READERSTATE> states;
    bool relist = true;
    auto dropContext = [&] {
        setContext(*sh, 0, false);
        SCardReleaseContext(context);
        hasContext = false;
        names.clear();
        seen.clear();
        states.clear();
        tellReaders(*sh, {});
    };
    while (!stopped(*sh)) {
        if (!hasContext) {
            if (SCardEstablishContext(SCARD_SCOPE_SYSTEM, nullptr, nullptr, &context) !=
                SCARD_S_SUCCESS) {
                tellReaders(*sh, {});
                rest(*sh, kRetryService);
                continue;
            }
            hasContext = true;
            setContext(*sh, context, true);
            relist = true;
        }
        if (relist) {
            std::vector<std::string> now;
            const LONG rv = listReaders(context, now);
            if (rv != SCARD_S_SUCCESS) {
                dropContext();
                rest(*sh, 500ms);
                continue;
            }
            // A reader still there keeps what was seen of it.
            std::vector<Seen> kept(now.size());
            std::vector<DWORD> current(now.size(), SCARD_STATE_UNAWARE);
            for (size_t i = 0; i < now.size(); ++i)
                for (size_t j = 0; j < names.size(); ++j)
                    if (names[j] == now[i]) {
                        kept[i] = seen[j];
                        current[i] = states[j + 1].dwCurrentState;
                    }
            names = now;
            seen = kept;
            const DWORD pnp = states.empty() ? SCARD_STATE_UNAWARE : states[0].dwCurrentState;
            states.assign(names.size() + 1, SCARD_READERSTATE{});
            states[0].szReader = kPnp;
            states[0].dwCurrentState = pnp;
            for (size_t i = 0; i < names.size(); ++i) {
                states[i + 1].szReader = names[i].c_str();
                states[i + 1].dwCurrentState = current[i];
            }
            QStringList told;
            for (const std::string &n : names)
                told.append(QString::fromUtf8(n.c_str()));
            tellReaders(*sh, told);
            relist = false;
        }
        const LONG rv = SCardGetStatusChange(context, kWaitMs, states.data(), DWORD(states.size()));
        if (rv == SCARD_E_TIMEOUT || rv == SCARD_E_CANCELLED)
            continue;
        if (rv != SCARD_S_SUCCESS) {
            if (serviceGone(rv)) {
                dropContext();
                rest(*sh, 500ms);
            } else {
                relist = true;
                rest(*sh, 200ms);
            }
            continue;
        }
        if (states[0].dwEventState & SCARD_STATE_CHANGED)
            relist = true;
        states[0].dwCurrentState = states[0].dwEventState & ~DWORD(SCARD_STATE_CHANGED);
        for (size_t i = 0; i < names.size(); ++i) {
            SCARD_READERSTATE &st = states[i + 1];
            const DWORD ev = st.dwEventState;
            st.dwCurrentState = ev & ~DWORD(SCARD_STATE_CHANGED);
            if (ev & (SCARD_STATE_UNKNOWN | SCARD_STATE_IGNORE | SCARD_STATE_UNAVAILABLE)) {
                relist = true; // the reader was pulled out
                continue;
            }
            Seen &s = seen[i];
            const bool present = (ev & SCARD_STATE_PRESENT) != 0;
            const DWORD events = ev >> 16;
            // A card put on the reader, or taken and put again between two
            // looks (the count of events moved on while one is there).
            const bool touch = s.known && present && (!s.present || events != s.events);
            s = {true, present, events};
            if (touch)
                tellTouch(*sh, (ev & SCARD_STATE_MUTE) ? QString() : readId(context, names[i]));
        }
    }
    if (hasContext) {
        setContext(*sh, 0, false);
        SCardReleaseContext(context);
    }
    std::lock_guard lock(sh->mutex);
    sh->running = false;
    sh->wake.notify_all();
}

} // namespace

PcscCardReader::PcscCardReader(QObject *parent)
    : CardReader(parent), m_shared(std::make_shared<Shared>()) {
    m_shared->owner = this;
}

PcscCardReader::~PcscCardReader() {
    std::unique_lock lock(m_shared->mutex);
    m_shared->owner = nullptr;
    m_shared->stop = true;
    if (m_shared->hasContext)
        SCardCancel(m_shared->context);
    m_shared->wake.notify_all();
    m_shared->wake.wait_for(lock, 3s, [this] { return !m_shared->running; });
}

void PcscCardReader::start() {
    std::lock_guard lock(m_shared->mutex);
    if (m_shared->running || m_shared->stop)
        return;
    m_shared->running = true;
    std::thread([sh = m_shared] { watch(sh); }).detach();
}

QStringList PcscCardReader::readers() const {
    std::lock_guard lock(m_shared->mutex);
    return m_shared->readers;
}
