#include "expr/ExtendedMath.h"

#include <array>

namespace korvane::extended {

namespace {

// sin(j pi/64) for j = 0..32.
constexpr Split kQuarterSines[33] = {
    {0.0L, 0.0L}, {0xc8fb2f886ec09f37p-68L, 0xd42f2a9656f8a2e2p-133L},
    {0xc8bd35e14da15f0fp-67L, -0xe31a4ddad10231dcp-133L}, {0x964083747309d113p-66L, 0xa89a11e07c1fe7f8p-142L},
    {0xc7c5c1e34d3055b2p-66L, 0xb991801c9f99b0a0p-131L}, {0xf8cfcbd90af8d57ap-66L, 0x8443b8974ee4b31bp-131L},
    {0x94a03176acf82d46p-65L, -0xa368b1184b281159p-130L}, {0xac7cd3ad58fee7f1p-65L, -0xfdc0d58cf6200f84p-130L},
    {0xc3ef1535754b168dp-65L, 0xc48b0a967bf770dep-131L}, {0xdae8804f0ae6015bp-65L, 0xd8b2e5d060b8c0c0p-131L},
    {0xf15ae9c037b1d8f0p-65L, 0xd891d3c684161e3bp-130L}, {0x839c3cc917ff6cb5p-64L, -0x8050d1d01aefea82p-129L},
    {0x8e39d9cd73464365p-64L, -0x88b6602680156f31p-129L}, {0x987fbfe70b81a708p-64L, 0xce76422d643d2e33p-131L},
    {0xa267992848eeb0c0p-64L, 0xed459fb8d6688d37p-130L}, {0xabeb49a46764fd15p-64L, 0xdf66d4044e0d4a61p-131L},
    {0xb504f333f9de6484p-64L, 0xb2fb1366ea957d3ep-129L}, {0xbdaef913557d76f1p-64L, -0xa6f59be15ae52547p-129L},
    {0xc5e40358a8ba05a7p-64L, 0x87b44bb324ce64d6p-129L}, {0xcd9f023f9c3a059ep-64L, 0x8ebcc76dc5e692a6p-130L},
    {0xd4db3148750d181ap-64L, -0x9cf17492537c1975p-132L}, {0xdb941a28cb71ec87p-64L, 0xb066d8c94f690fefp-130L},
    {0xe1c5978c05ed8692p-64L, -0xb1757c8d073a7f00p-132L}, {0xe76bd7a1e63b9786p-64L, 0x92894a94ea454979p-131L},
    {0xec835e79946a3145p-64L, 0xfcc20463583ac302p-129L}, {0xf1090827b43725fdp-64L, 0xce24fb66b650e62bp-129L},
    {0xf4fa0ab6316ed2ecp-64L, 0xb1e2e3f81db8c62bp-131L}, {0xf853f7dc9186b953p-64L, -0xe148e52d9dddb916p-130L},
    {0xfb14be7fbae58156p-64L, 0x85ca8d87f4a9c8bbp-130L}, {0xfd3aabf84528b50cp-64L, -0xa8ca13571f12a213p-131L},
    {0xfec46d1e89292cf0p-64L, 0x82721dfb8e4dd3dfp-129L}, {0xffb10f1bcb6bef1dp-64L, 0x843d1db55eb28a7cp-129L},
    {0x8000000000000000p-63L, 0.0L}
};

constexpr std::array<Split, 128> MakeSines() {
    std::array<Split, 128> s{};
    for (int j = 0; j < 128; ++j) {
        const int m = j & 31;
        const int quadrant = j >> 5;
        const Split v = (quadrant & 1) == 0 ? kQuarterSines[m] : kQuarterSines[32 - m];
        s[j] = quadrant < 2 ? v : Split{-v.high, -v.low};
    }
    return s;
}

} // namespace

const std::array<Split, 128> kSines = MakeSines();

const Split kPowersOfTwo[64] = {
    {0x8000000000000000p-63L, 0.0L}, {0x8164d1f3bc030773p-63L, 0xf7caca4f7a29bde9p-128L},
    {0x82cd8698ac2ba1d7p-63L, 0xf8a91d6d19482ffdp-129L}, {0x843a28c3acde4046p-63L, 0xd7c976509fe8ac10p-130L},
    {0x85aac367cc487b15p-63L, -0xe8da91cf7aacf938p-129L}, {0x871f61969e8d1010p-63L, 0xe85c9f15ed4aa559p-129L},
    {0x88980e8092da8527p-63L, 0xbbf1aed9318ceac6p-128L}, {0x8a14d575496efd9ap-63L, 0x80ca1d92c3680c22p-131L},
    {0x8b95c1e3ea8bd6e7p-63L, -0x8373af14eb586dfdp-132L}, {0x8d1adf5b7e5ba9e6p-63L, -0x967096d2e37ca594p-128L},
    {0x8ea4398b45cd53c0p-63L, 0xb70051321e0f5317p-129L}, {0x9031dc431466b1dcp-63L, 0xeeb02950929d0fc5p-128L},
    {0x91c3d373ab11c336p-63L, 0xfd6d8e0ae5ac9d82p-131L}, {0x935a2b2f13e6e92cp-63L, -0xb319afc589b6c463p-129L},
    {0x94f4efa8fef70961p-63L, 0xba2beb4495477951p-129L}, {0x96942d3720185a00p-63L, 0x91d536d07538458ap-128L},
    {0x9837f0518db8a96fp-63L, 0x8d5a46305c85ededp-128L}, {0x99e0459320b7fa65p-63L, -0xde7bc9a65a501a8cp-130L},
    {0x9b8d39b9d54e5539p-63L, -0xbaafd0bab86781c2p-128L}, {0x9d3ed9a72cffb751p-63L, -0x86dacc3ebc5993d4p-129L},
    {0x9ef5326091a111aep-63L, -0xbeddc1ec288c045dp-128L}, {0xa0b0510fb9714fc2p-63L, 0xc96e3cf6d87ecd4cp-130L},
    {0xa27043030c496819p-63L, -0xc90bf620fe6042b1p-128L}, {0xa43515ae09e6809ep-63L, 0xd1db4831781e1eecp-131L},
    {0xa5fed6a9b15138eap-63L, 0xe5ebfb10b88380d9p-130L}, {0xa7cd93b4e965356ap-63L, -0xc2749655f8c11aa2p-128L},
    {0xa9a15ab4ea7c0ef8p-63L, 0xa83c49d86a63f4e6p-128L}, {0xab7a39b5a93ed337p-63L, 0xcb004764eb3c00f3p-128L},
    {0xad583eea42a14ac6p-63L, 0x93015191eb345d89p-128L}, {0xaf3b78ad690a4375p-63L, -0x8367bf8cd132bf35p-129L},
    {0xb123f581d2ac2590p-63L, -0xf05f902d25bd44e3p-128L}, {0xb311c412a9112489p-63L, 0xfb3c5371e6294670p-129L},
    {0xb504f333f9de6484p-63L, 0xb2fb1366ea957d3ep-128L}, {0xb6fd91e328d17791p-63L, 0xe2cbe1bbaa834b3fp-132L},
    {0xb8fbaf4762fb9ee9p-63L, 0xdc3cbbc2b35b2d0dp-130L}, {0xbaff5ab2133e45fbp-63L, 0xe9aa33a48b270718p-128L},
    {0xbd08a39f580c36bfp-63L, -0xaefdc09325e0a10cp-128L}, {0xbf1799b67a731083p-63L, -0xbf517aa1a07a3d7bp-130L},
    {0xc12c4cca66709456p-63L, 0xf88afab34a010f6bp-128L}, {0xc346ccda24976407p-63L, 0x83b21584a2e0e90ap-129L},
    {0xc5672a115506daddp-63L, 0xf8ab432593767cdep-129L}, {0xc78d74c8abb9b15dp-63L, -0xfb17471a24ff6207p-129L},
    {0xc9b9bd866e2f27a3p-63L, -0xfe3c0dabf5dd2d04p-128L}, {0xcbec14fef2727c5dp-63L, -0xb6f8370ba1409231p-131L},
    {0xce248c151f8480e4p-63L, -0xee53e3835069c895p-130L}, {0xd06333daef2b2595p-63L, -0xa4ae8e6a996cabf8p-129L},
    {0xd2a81d91f12ae45ap-63L, 0x912472be1ef20143p-130L}, {0xd4f35aabcfedfa1fp-63L, 0xb243bdff4c4c58b5p-128L},
    {0xd744fccad69d6af4p-63L, 0xe69a2ee640b4ff78p-129L}, {0xd99d15c278afd7b6p-63L, -0xbc6109ae0f6a2a20p-134L},
    {0xdbfbb797daf23755p-63L, 0xf610356a78a6a991p-129L}, {0xde60f4825e0e9124p-63L, -0x8be174985ee65e9cp-129L},
    {0xe0ccdeec2a94e111p-63L, 0xcb12a091ba667944p-132L}, {0xe33f8972be8a5a51p-63L, 0x9bfe90795980eecfp-131L},
    {0xe5b906e77c8348a8p-63L, 0xf2f47a5276dd8765p-130L}, {0xe8396a503c4bdc68p-63L, 0xf22f21a158e18fbcp-128L},
    {0xeac0c6e7dd24392fp-63L, -0xbf4a29323e46ac15p-129L}, {0xed4f301ed9942b84p-63L, 0xc01a5b6d4c97f624p-128L},
    {0xefe4b99bdcdaf5cbp-63L, 0x8cac39ed291b7226p-128L}, {0xf281773c59ffb13ap-63L, -0xbb3fab19b85c2da7p-130L},
    {0xf5257d152486cc2cp-63L, 0xf73a18f5db301f87p-128L}, {0xf7d0df730ad13bb9p-63L, -0xb795b494f8248a8bp-134L},
    {0xfa83b2db722a033ap-63L, 0xf84b762862baff99p-128L}, {0xfd3e0c0cf486c175p-63L, -0xf5818b4d9c3e23fap-128L}
};

} // namespace korvane::extended
