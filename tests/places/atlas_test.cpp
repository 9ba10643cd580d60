#include "places/atlas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "places/fold.h"

namespace places {
namespace {

const Atlas& Shared() {
  static const Atlas atlas = Atlas::Load();
  return atlas;
}

std::string Describe(const Place* p) {
  return std::string(p->name) + " (" + std::string(p->division) + ", " +
         std::string(p->countryCode) + ")";
}

struct FoldCase {
  const char* name;
  const char* text;
  const char* key;
};

void PrintTo(const FoldCase& c, std::ostream* os) {
  *os << c.text;
}

class FoldKeyTest : public testing::TestWithParam<FoldCase> {};

TEST_P(FoldKeyTest, Folds) {
  EXPECT_EQ(FoldKey(GetParam().text), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, FoldKeyTest,
    testing::Values(
        FoldCase{"Accents", "São Paulo", "sao paulo"}, FoldCase{"Umlaut", "ZÜRICH", "zurich"},
        FoldCase{"SharpS", "Straße", "strasse"}, FoldCase{"Ae", "Ærøskøbing", "aeroskobing"},
        FoldCase{"StrokeL", "Łódź", "lodz"}, FoldCase{"DotlessI", "Diyarbakır", "diyarbakir"},
        FoldCase{"StrokeD", "Đà Nẵng", "da nang"}, FoldCase{"Thorn", "Þórshöfn", "thorshofn"},
        FoldCase{"Oe", "Œuf", "oeuf"}, FoldCase{"Vietnamese", "Biên Hòa", "bien hoa"},
        FoldCase{"Decomposed", "Sa\u0303o Paulo", "sao paulo"},
        FoldCase{"Apostrophes", "Sana’a, Xi'an", "sanaa xian"},
        FoldCase{"Punctuation", "  Porto-Novo -- St. John's ", "porto novo st johns"},
        FoldCase{"OtherScript", "Москва", "Москва"},
        FoldCase{"Malformed",
                 "Lon\xff"
                 "don",
                 "lon don"}),
    [](const auto& info) { return std::string(info.param.name); });

struct SearchCase {
  const char* name;
  const char* query;
  std::size_t limit;
  const char* name0;     // expected first result's atlas name; nullptr: no result at all
  const char* country0;  // its country code
};

void PrintTo(const SearchCase& c, std::ostream* os) {
  *os << c.query;
}

class AtlasSearchTest : public testing::TestWithParam<SearchCase> {};

TEST_P(AtlasSearchTest, FirstResult) {
  const SearchCase& c = GetParam();
  ASSERT_TRUE(Shared().ok()) << Shared().problem();
  const auto found = Shared().Search(c.query, c.limit);
  if (c.name0 == nullptr) {
    EXPECT_TRUE(found.empty()) << c.query << " found " << Describe(found.front());
    return;
  }
  ASSERT_FALSE(found.empty()) << c.query;
  EXPECT_LE(found.size(), c.limit);
  EXPECT_EQ(found.front()->name, c.name0) << c.query << " -> " << Describe(found.front());
  EXPECT_EQ(found.front()->countryCode, c.country0) << c.query;
}

INSTANTIATE_TEST_SUITE_P(
    Queries, AtlasSearchTest,
    testing::Values(SearchCase{"AccentFree", "sao paulo", 10, "São Paulo", "BR"},
                    SearchCase{"UmlautFree", "zurich", 10, "Zurich", "CH"},
                    SearchCase{"UmlautTyped", "Zürich", 10, "Zurich", "CH"},
                    SearchCase{"LargestFirst", "lon", 10, "London", "GB"},
                    SearchCase{"WordPrefix", "chi minh", 10, "Ho Chi Minh City", "VN"},
                    SearchCase{"Bombay", "Bombay", 10, "Mumbai", "IN"},
                    SearchCase{"Mumbai", "mumbai", 10, "Mumbai", "IN"},
                    SearchCase{"Madras", "madras", 10, "Chennai", "IN"},
                    SearchCase{"Calcutta", "calcutta", 10, "Kolkata", "IN"},
                    SearchCase{"Bangalore", "bangalore", 10, "Bengaluru", "IN"},
                    SearchCase{"Poona", "poona", 10, "Pune", "IN"},
                    SearchCase{"Benares", "benares", 10, "Varanasi", "IN"},
                    SearchCase{"Allahabad", "allahabad", 10, "Prayagraj", "IN"},
                    SearchCase{"Peking", "peking", 10, "Beijing", "CN"},
                    SearchCase{"Saigon", "saigon", 10, "Ho Chi Minh City", "VN"},
                    SearchCase{"Leningrad", "leningrad", 10, "Saint Petersburg", "RU"},
                    SearchCase{"Thiruvananthapuram", "thiruvan", 10, "Trivandrum", "IN"},
                    SearchCase{"Trivandrum", "trivandrum", 10, "Trivandrum", "IN"},
                    SearchCase{"Muenchen", "München", 10, "Munich", "DE"},
                    SearchCase{"MuenchenFolded", "munchen", 10, "Munich", "DE"},
                    SearchCase{"QualifiedByDivision", "Springfield, Illinois", 10, "Springfield",
                               "US"},
                    SearchCase{"QualifiedByCountry", "London, Canada", 10, "London", "CA"},
                    SearchCase{"QualifiedByCode", "london, ca", 10, "London", "CA"},
                    SearchCase{"QualifiedByWordOfCountry", "amman, jordan", 10, "Amman", "JO"},
                    SearchCase{"QualifiedNoMatch", "london, japan", 10, nullptr, ""},
                    SearchCase{"Singapore", "singap", 10, "Singapore", "SG"},
                    SearchCase{"Vatican", "vatican", 10, "Vatican City", "VA"},
                    SearchCase{"Gibraltar", "gibraltar", 10, "Gibraltar", "GI"},
                    SearchCase{"Macao", "macau", 10, "Macao", "MO"},
                    SearchCase{"Empty", "", 10, nullptr, ""},
                    SearchCase{"OnlyPunctuation", " , ", 10, nullptr, ""},
                    SearchCase{"Unknown", "qqqzx", 10, nullptr, ""},
                    SearchCase{"NoLimit", "london", 0, nullptr, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AtlasSearchTest, ResultsAreDistinctAndRankedByPopulation) {
  const auto found = Shared().Search("s", 25);
  ASSERT_EQ(found.size(), 25u);
  for (std::size_t i = 1; i < found.size(); ++i) {
    EXPECT_NE(found[i - 1], found[i]);
    EXPECT_GE(found[i - 1]->population, found[i]->population) << Describe(found[i]);
  }
}

TEST(AtlasSearchTest, OtherNameFindsTheSamePlaceOnce) {
  // "Bom" matches Mumbai by its other name only once, never as a second row.
  const auto found = Shared().Search("mumbai", 50);
  const auto viaOther = Shared().Search("bombay", 1);
  ASSERT_FALSE(found.empty());
  ASSERT_EQ(viaOther.size(), 1u);
  EXPECT_EQ(found.front(), viaOther.front());
  EXPECT_EQ(std::count(found.begin(), found.end(), viaOther.front()), 1);
}

// Every place of a million or more is found by its own name qualified by its country code,
// and each ISO 3166-1 country that GeoNames lacks has a place.
TEST(AtlasDataTest, LargeCitiesAndAddedCountriesAreFound) {
  const Atlas& atlas = Shared();
  int large = 0;
  for (const Place& p : atlas.places()) {
    if (p.population < 1000000) continue;
    ++large;
    const std::string query = std::string(p.name) + ", " + std::string(p.countryCode);
    const auto found = atlas.Search(query, 50);
    EXPECT_NE(std::find(found.begin(), found.end(), &p), found.end()) << query;
  }
  EXPECT_GT(large, 450);
  for (const char* code :
       {"AW", "AQ", "BL", "BV", "CC", "CW", "CX", "EH", "FK", "GI", "HM", "IO", "MO",
        "MF", "NF", "NU", "PN", "SG", "GS", "SX", "TC", "TK", "UM", "VA", "VG"}) {
    EXPECT_TRUE(std::any_of(atlas.places().begin(), atlas.places().end(), [&](const Place& p) {
      return p.countryCode == code;
    })) << code;
  }
}

struct LoadCase {
  const char* name;
  data::RowBlock places, additions, other;
  const char* problem;  // part of the expected message
};

constexpr char kTwo[] =
    "Aa\tX\tAA\tAland\tEtc/UTC\t1\t2\t3\n"
    "Bb\tY\tBB\tBland\tEtc/UTC\t-1\t-2\t30\n";
constexpr char kSwapped[] =
    "Bb\tY\tBB\tBland\tEtc/UTC\t-1\t-2\t30\n"
    "Aa\tX\tAA\tAland\tEtc/UTC\t1\t2\t3\n";
constexpr char kRepeated[] =
    "Aa\tX\tAA\tAland\tEtc/UTC\t1\t2\t3\n"
    "Aa\tX\tAA\tAland\tEtc/UTC\t1\t2\t3\n";
constexpr char kBadLatitude[] = "Aa\tX\tAA\tAland\tEtc/UTC\t91\t2\t3\n";
constexpr char kSevenFields[] = "Aa\tX\tAA\tAland\tEtc/UTC\t1\t2\n";
constexpr char kUnterminated[] = "Aa\tX\tAA\tAland\tEtc/UTC\t1\t2\t3";
constexpr char kOtherOk[] = "Ab\tBb\tBB\tformer\n";
constexpr char kOtherLost[] = "Ab\tBb\tAA\tother\n";
constexpr char kOtherNoKind[] = "Ab\tBb\tBB\n";

const data::RowBlock kNone{"", 0};

void PrintTo(const LoadCase& c, std::ostream* os) {
  *os << c.name;
}

class AtlasLoadTest : public testing::TestWithParam<LoadCase> {};

TEST_P(AtlasLoadTest, RefusesBadRows) {
  const LoadCase& c = GetParam();
  const Atlas atlas = Atlas::FromRows({c.places, c.additions, c.other});
  if (c.problem == nullptr) {
    EXPECT_TRUE(atlas.ok()) << atlas.problem();
    return;
  }
  EXPECT_FALSE(atlas.ok());
  EXPECT_NE(atlas.problem().find(c.problem), std::string::npos) << atlas.problem();
  EXPECT_EQ(atlas.size(), 0u);
  EXPECT_TRUE(atlas.Search("a").empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AtlasLoadTest,
    testing::Values(
        LoadCase{"Good", {kTwo, 2}, kNone, {kOtherOk, 1}, nullptr},
        LoadCase{"CountTooHigh", {kTwo, 3}, kNone, kNone, "expected 3 rows, found 2"},
        LoadCase{"CountTooLow", {kTwo, 1}, kNone, kNone, "expected 1 rows, found 2"},
        LoadCase{"OutOfOrder", {kSwapped, 2}, kNone, kNone, "row 2 is out of order"},
        LoadCase{"Repeated", {kRepeated, 2}, kNone, kNone, "row 2 is out of order"},
        LoadCase{"AdditionsUnordered", kNone, {kSwapped, 2}, kNone, nullptr},
        LoadCase{"BadLatitude", {kBadLatitude, 1}, kNone, kNone, "row 1 is malformed"},
        LoadCase{"MissingField", {kSevenFields, 1}, kNone, kNone, "malformed"},
        LoadCase{"NoLineEnd", {kUnterminated, 1}, kNone, kNone, "no line end"},
        LoadCase{"OtherNameLost", {kTwo, 2}, kNone, {kOtherLost, 1}, "names no place"},
        LoadCase{"OtherNameNoKind", {kTwo, 2}, kNone, {kOtherNoKind, 1}, "malformed other name"}),
    [](const auto& info) { return std::string(info.param.name); });

// A place found through another name keeps that name for the City box, and the list says
// which place it is now.
TEST(AtlasFindTest, KeepsTheNameSearchedBy) {
  struct Case {
    const char* query;
    const char* city;
    const char* text;
  };
  for (const Case& c : {Case{"Bombay", "Bombay", "Bombay (now Mumbai), Maharashtra, India"},
                        Case{"madras", "Madras", "Madras (now Chennai), Tamil Nadu, India"},
                        Case{"Zürich", "Zürich", "Zürich (Zurich), Canton of Zurich, Switzerland"},
                        Case{"Muenchen", "München", "München (Munich), Bavaria, Germany"},
                        Case{"mumbai", "Mumbai", "Mumbai, Maharashtra, India"},
                        Case{"zurich", "Zurich", "Zurich, Canton of Zurich, Switzerland"},
                        Case{"gibraltar", "Gibraltar", "Gibraltar, Gibraltar"}}) {
    const auto found = Shared().Find(c.query, 1);
    ASSERT_EQ(found.size(), 1u) << c.query;
    EXPECT_EQ(MatchCity(found.front()), c.city) << c.query;
    EXPECT_EQ(MatchText(found.front()), c.text) << c.query;
  }
}

std::string Names(const std::vector<const Place*>& places) {
  std::string text;
  for (const Place* p : places)
    text += std::string(p->name) + "/" + std::string(p->countryCode) + " ";
  return text;
}

// Folded spellings find more; what the literal spelling found stays, in the same order (the
// lists of the build before folded spellings, place-lookup of commit 284256d).
TEST(AtlasFindTest, FoldedSpellingsAddToLiteralOnes) {
  struct Case {
    const char* query;
    const char* names;
  };
  for (const Case& c :
       {Case{"st",
             "Stockholm/SE Volgograd/RU Stuttgart/DE Staten Island/US Stoke-on-Trent/GB "
             "Stavropol/RU St Louis/US Stockton/US Strasbourg/FR Sterlitamak/RU "},
        Case{"buenos aires", "Buenos Aires/AR "},
        Case{"puerto",
             "Puerto Cruz/VE Puerto Princesa City/PH Puerto Vallarta/MX Puerto "
             "Cabello/VE Puerto Plata/DO Puerto Ayacucho/VE Puerto Padre/CU Puerto "
             "Madryn/AR Puerto Limón/CR Puerto Peñasco/MX "},
        Case{"queens",
             "Queenstown/ZA Queens Village/US Queensbury/US Queensdale/ZA Borough of "
             "Queens/US "},
        Case{"manuel", "Manuel Ojinaga/MX São Manuel/BR "},
        Case{"raphael", "Saint-Raphaël/HT Saint-Raphaël/FR "}})
    EXPECT_EQ(Names(Shared().Search(c.query)), c.names) << c.query;

  struct Finds {
    const char* query;
    const char* name;
    const char* code;
  };
  for (const Finds& f :
       {Finds{"St. Petersburg", "Saint Petersburg", "RU"},
        Finds{"St. Petersburg", "St. Petersburg", "US"},
        Finds{"st petersb", "Saint Petersburg", "RU"}, Finds{"Mt. Vernon", "Mount Vernon", "US"},
        Finds{"Ste Foy", "Sainte-Foy-lès-Lyon", "FR"}, Finds{"muenchen", "Munich", "DE"},
        Finds{"Koeln", "Cologne", "DE"}, Finds{"aalen, baden-wuerttemberg", "Aalen", "DE"},
        Finds{"dubai, ae", "Dubai", "AE"}}) {
    const auto found = Shared().Search(f.query, 50);
    EXPECT_TRUE(
        std::any_of(found.begin(), found.end(),
                    [&](const Place* p) { return p->name == f.name && p->countryCode == f.code; }))
        << f.query << " -> " << Names(found);
  }
}

// A pasted query reads no further than kMaxQueryBytes (10,000 qualifiers took 22 ms; the bench's
// BM_AtlasSearchLongQuery times it now): the whole query finds what its first bytes find.
TEST(AtlasFindTest, LongQueriesAreCapped) {
  std::string query = "london";
  for (int i = 0; i < 10000; ++i) query += ", united kingdom";
  const auto found = Shared().Search(query);
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(found.front()->countryCode, "GB");
  EXPECT_EQ(found, Shared().Search(query.substr(0, kMaxQueryBytes)));
  // A cut inside a letter keeps the letters before it.
  EXPECT_EQ(Shared().Search(std::string(kMaxQueryBytes - 1, 'z') + "\u00fc").size(), 0u);
}

TEST(AtlasLoadTest, CompiledInDataPassesItsCheck) {
  const Atlas& atlas = Shared();
  EXPECT_TRUE(atlas.ok()) << atlas.problem();
  EXPECT_EQ(atlas.size(), data::kGeoNamesRows.count + data::kAdditionRows.count);
}

}  // namespace
}  // namespace places
