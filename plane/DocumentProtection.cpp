#include "plane/DocumentProtection.h"

#include "platform/Cp1252.h"
#include "platform/Utf8.h"

#include <sodium.h>

namespace korvane {
namespace {

bool SodiumReady() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

} // namespace

std::string HashPassword(const std::string& password) {
    char out[crypto_pwhash_STRBYTES] = {};
    if (!SodiumReady() || crypto_pwhash_str_alg(out, password.data(), password.size(),
                                                crypto_pwhash_OPSLIMIT_INTERACTIVE,
                                                crypto_pwhash_MEMLIMIT_INTERACTIVE, crypto_pwhash_ALG_ARGON2ID13) != 0)
        return {};
    return out;
}

bool PasswordMatches(const std::string& stored, const std::string& typed) {
    if (typed.empty() || stored.empty() || stored.size() >= crypto_pwhash_STRBYTES || !SodiumReady())
        return false;
    const std::string terminated = stored; // the check wants a zero-terminated string
    return crypto_pwhash_str_verify(terminated.c_str(), typed.data(), typed.size()) == 0;
}

void DocumentProtection::Store(DocumentState& s) const {
    s.words[docw::kPassword] = static_cast<std::int16_t>(protection);
    if (!Protected()) {
        s.password.reset();
        return;
    }
    s.password.emplace();
    (*s.password)[0] = passwordHash; // ASCII
    for (std::size_t i = 0; i < author.size(); ++i)
        (*s.password)[i + 1] = platform::Utf8ToCp1252(author[i]);
}

int DocumentProtection::Load(const DocumentState& s, DocumentProtection& out) {
    out = DocumentProtection{};
    const int bits = s.password ? s.words[docw::kPassword] & 0xffff : 0;
    if (!s.password)
        return 0;
    const auto& block = *s.password;
    if (bits == 0 || (bits & ~kProtectionBits) != 0 || block[0].empty() || block[0].size() > 255)
        return 11;
    for (std::size_t i = 0; i < out.author.size(); ++i) {
        if (block[i + 1].size() > kMaxProtectionText)
            return 11;
        out.author[i] = platform::Cp1252ToUtf8(block[i + 1]);
    }
    out.protection = bits;
    out.passwordHash = block[0];
    return 0;
}

} // namespace korvane
