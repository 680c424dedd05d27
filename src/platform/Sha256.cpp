#include "platform/Sha256.h"

// The plain SHA256_CTX functions: the generic digest interface costs four
// times as much per line, and a history check hashes hundreds of thousands of
// short lines.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/sha.h>

struct Sha256::State {
    SHA256_CTX ctx;
};

namespace {

void toHex(const unsigned char (&digest)[SHA256_DIGEST_LENGTH], char *out) {
    static const char digits[] = "0123456789abcdef";
    for (int i = 0; i < SHA256_DIGEST_LENGTH; ++i) {
        out[2 * i] = digits[digest[i] >> 4];
        out[2 * i + 1] = digits[digest[i] & 0xf];
    }
}

} // namespace

Sha256::Sha256() : m_state(new State) {
    reset();
}

Sha256::~Sha256() {
    delete m_state;
}

void Sha256::reset() {
    SHA256_Init(&m_state->ctx);
}

void Sha256::add(QByteArrayView bytes) {
    SHA256_Update(&m_state->ctx, bytes.data(), static_cast<size_t>(bytes.size()));
}

QByteArray Sha256::hexSoFar() const {
    SHA256_CTX copy = m_state->ctx;
    unsigned char digest[SHA256_DIGEST_LENGTH];
    SHA256_Final(digest, &copy);
    QByteArray out(2 * SHA256_DIGEST_LENGTH, Qt::Uninitialized);
    toHex(digest, out.data());
    return out;
}

bool Sha256::hexSoFarIs(QByteArrayView hex) const {
    SHA256_CTX copy = m_state->ctx;
    unsigned char digest[SHA256_DIGEST_LENGTH];
    SHA256_Final(digest, &copy);
    char out[2 * SHA256_DIGEST_LENGTH];
    toHex(digest, out);
    return hex == QByteArrayView(out, sizeof out);
}

QByteArray Sha256::hex(QByteArrayView bytes) {
    Sha256 h;
    h.add(bytes);
    return h.hexSoFar();
}
