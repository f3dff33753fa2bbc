// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/tones.h"

#include <algorithm>
#include <array>

namespace m27 {
namespace {

// Indices above this are inverted DCS codes; 105 is the length of each DCS run.
constexpr int kLastPlainIndex = 160;
constexpr int kDcsRunLength = 105;

// clang-format off
constexpr std::array<std::string_view, 100> kNormalTones = {
    "OFF",
    "67.0", "71.9", "74.4", "77.0", "79.7", "82.5", "85.4", "88.5", "91.5", "94.8",
    "97.4", "100", "103.5", "107.2", "110.9", "114.8", "118.8", "123", "127.3", "131.8",
    "136.5", "141.3", "146.2", "151.4", "156.7", "162.2", "167.9", "173.8", "179.9", "186.2",
    "192.8", "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3", "D023", "D025",
    "D026", "D031", "D032", "D043", "D047", "D051", "D054", "D065", "D071", "D072",
    "D073", "D074", "D114", "D115", "D116", "D125", "D131", "D132", "D134", "D143",
    "D152", "D155", "D156", "D162", "D165", "D172", "D174", "D205", "D223", "D226",
    "D243", "D244", "D245", "D251", "D261", "D263", "D265", "D271", "D306", "D311",
    "D315", "D331", "D343", "D346", "D351", "D364", "D365", "D371", "D411", "D412",
    "D413", "D423", "D431", "D432", "D445", "D464", "D465", "D466", "D503",
};

constexpr std::array<std::string_view, 266> kProfessionalTones = {
    "OFF",
    "67.0", "69.3", "71.9", "74.4", "77.0", "79.7", "82.5", "85.4", "88.5", "91.5",
    "94.8", "97.4", "100", "103.5", "107.2", "110.9", "114.8", "118.8", "123", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1",
    "95.2", "125.4", "143.1", "175.1", "245.1", "D023", "D025", "D026", "D031", "D032",
    "D036", "D043", "D047", "D051", "D053", "D054", "D065", "D071", "D072", "D073",
    "D074", "D114", "D115", "D116", "D122", "D125", "D131", "D132", "D134", "D143",
    "D145", "D152", "D155", "D156", "D162", "D165", "D172", "D174", "D205", "D212",
    "D223", "D225", "D226", "D243", "D244", "D245", "D246", "D251", "D252", "D255",
    "D261", "D263", "D265", "D266", "D271", "D274", "D306", "D311", "D315", "D325",
    "D331", "D332", "D343", "D346", "D351", "D356", "D364", "D365", "D371", "D411",
    "D412", "D413", "D423", "D431", "D432", "D445", "D446", "D452", "D454", "D455",
    "D462", "D464", "D465", "D466", "D503", "D506", "D516", "D523", "D526", "D532",
    "D546", "D565", "D606", "D612", "D624", "D627", "D631", "D632", "D645", "D654",
    "D662", "D664", "D703", "D712", "D723", "D731", "D732", "D734", "D743", "D754",
    // inverted DCS: index 161 + k is the inverted form of index 56 + k
    "I023", "I025", "I026", "I031", "I032", "I036", "I043", "I047", "I051", "I053",
    "I054", "I065", "I071", "I072", "I073", "I074", "I114", "I115", "I116", "I122",
    "I125", "I131", "I132", "I134", "I143", "I145", "I152", "I155", "I156", "I162",
    "I165", "I172", "I174", "I205", "I212", "I223", "I225", "I226", "I243", "I244",
    "I245", "I246", "I251", "I252", "I255", "I261", "I263", "I265", "I266", "I271",
    "I274", "I306", "I311", "I315", "I325", "I331", "I332", "I343", "I346", "I351",
    "I356", "I364", "I365", "I371", "I411", "I412", "I413", "I423", "I431", "I432",
    "I445", "I446", "I452", "I454", "I455", "I462", "I464", "I465", "I466", "I503",
    "I506", "I516", "I523", "I526", "I532", "I546", "I565", "I606", "I612", "I624",
    "I627", "I631", "I632", "I645", "I654", "I662", "I664", "I703", "I712", "I723",
    "I731", "I732", "I734", "I743", "I754",
};
// clang-format on

}  // namespace

std::span<const std::string_view> tone_table(ToneMode mode) {
  if (mode == ToneMode::Professional) return kProfessionalTones;
  return kNormalTones;
}

int tone_last(ToneMode mode) { return static_cast<int>(tone_table(mode).size()) - 1; }

ToneCode tone_code(std::string_view text, std::span<const std::string_view> list) {
  const auto p = static_cast<int>(std::find(list.begin(), list.end(), text) - list.begin());
  if (p > kLastPlainIndex) return {static_cast<std::uint8_t>(p - kDcsRunLength), true};
  return {static_cast<std::uint8_t>(p), false};
}

std::string tone_text(ToneCode code, std::span<const std::string_view> list) {
  const std::size_t p = code.code + (code.inverted ? kDcsRunLength : 0);
  return p < list.size() ? std::string(list[p]) : std::string();
}

}  // namespace m27
