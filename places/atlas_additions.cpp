// Places and names the GeoNames rows (atlas_data.cpp) lack, each block with its source.
// Same row layout as atlas_data.cpp: name, division, country code, country name, IANA zone,
// latitude, longitude, population.

#include "places/atlas_data.h"

namespace places::data {
namespace {

constexpr char kRows[] =
    // The seat or main settlement of each of the 25 ISO 3166-1 countries that have no row in
    // the GeoNames data (found by comparing its country codes with Debian's iso-codes 4.15.0
    // list, /usr/share/iso-codes/json/iso_3166-1.json), with the capital it lacks, Nouakchott.
    // Zone and coordinates: the zone's row in Debian tzdata's zone.tab (2026f), whose
    // coordinates are the zone's principal place, to the arc minute. Country names: iso-codes.
    // Populations: rounded recent census figures, hand-entered; they only rank the matches.
    "Oranjestad\t\tAW\tAruba\tAmerica/Aruba\t12.5\t-69.96667\t28000\n"
    "McMurdo Station\t\tAQ\tAntarctica\tAntarctica/McMurdo\t-77.83333\t166.6\t0\n"
    "Gustavia\t\tBL\tSaint Barthélemy\tAmerica/St_Barthelemy\t17.88333\t-62.85\t2600\n"
    "West Island\t\tCC\tCocos (Keeling) Islands\tIndian/Cocos\t-12.16667\t96.91667\t130\n"
    "Willemstad\t\tCW\tCuraçao\tAmerica/Curacao\t12.18333\t-69\t136000\n"
    "Flying Fish Cove\t\tCX\tChristmas Island\tIndian/Christmas\t-10.41667\t105.71667\t1300\n"
    "Laayoune\t\tEH\tWestern Sahara\tAfrica/El_Aaiun\t27.15\t-13.2\t217000\n"
    "Stanley\t\tFK\tFalkland Islands (Malvinas)\tAtlantic/Stanley\t-51.7\t-57.85\t2500\n"
    "Gibraltar\t\tGI\tGibraltar\tEurope/Gibraltar\t36.13333\t-5.35\t34000\n"
    "Diego Garcia\t\tIO\tBritish Indian Ocean Territory\tIndian/Chagos\t-7.33333\t72.41667\t3000\n"
    "Macao\t\tMO\tMacao\tAsia/Macau\t22.19722\t113.54167\t680000\n"
    "Marigot\t\tMF\tSaint Martin (French part)\tAmerica/Marigot\t18.06667\t-63.08333\t5700\n"
    "Kingston\t\tNF\tNorfolk Island\tPacific/Norfolk\t-29.05\t167.96667\t1700\n"
    "Alofi\t\tNU\tNiue\tPacific/Niue\t-19.01667\t-169.91667\t600\n"
    "Adamstown\t\tPN\tPitcairn\tPacific/Pitcairn\t-25.06667\t-130.08333\t50\n"
    "Singapore\t\tSG\tSingapore\tAsia/Singapore\t1.28333\t103.85\t5900000\n"
    "King Edward Point\t\tGS\tSouth Georgia and the South Sandwich Islands\t"
    "Atlantic/South_Georgia\t-54.26667\t-36.53333\t20\n"
    // The zone's place is Lower Prince's Quarter, 3 km north of Philipsburg.
    "Philipsburg\t\tSX\tSint Maarten (Dutch "
    "part)\tAmerica/Lower_Princes\t18.05139\t-63.04722\t1900\n"
    "Cockburn Town\t\tTC\tTurks and Caicos Islands\tAmerica/Grand_Turk\t21.46667\t-71.13333\t3700\n"
    "Fakaofo\t\tTK\tTokelau\tPacific/Fakaofo\t-9.36667\t-171.23333\t260\n"
    "Midway Atoll\t\tUM\tUnited States Minor Outlying "
    "Islands\tPacific/Midway\t28.21667\t-177.36667\t40\n"
    "Wake Island\t\tUM\tUnited States Minor Outlying "
    "Islands\tPacific/Wake\t19.28333\t166.61667\t100\n"
    "Vatican City\t\tVA\tHoly See (Vatican City State)\tEurope/Vatican\t41.90222\t12.45306\t800\n"
    "Road Town\t\tVG\tBritish Virgin Islands\tAmerica/Tortola\t18.45\t-64.61667\t12600\n"
    "Nouakchott\tNouakchott\tMR\tMauritania\tAfrica/Nouakchott\t18.1\t-15.95\t1200000\n"
    // Uninhabited islands with no zone of their own in tzdata: Heard Island keeps the time of
    // its neighbour Kerguelen (zone.tab row TF), Bouvet Island universal time. Coordinates:
    // the islands' centres, hand-entered to a tenth of a degree.
    "Heard Island\t\tHM\tHeard Island and McDonald Islands\tIndian/Kerguelen\t-53.1\t73.5\t0\n"
    "Bouvet Island\t\tBV\tBouvet Island\tEtc/UTC\t-54.4\t3.4\t0\n";

// Other names of atlas places: other name, name in the atlas, country code. A search for
// the other name finds the atlas place, shown under its atlas name.
constexpr char kOther[] =
    // Official renamings, both directions (the atlas holds whichever name GeoNames uses): the
    // name given up is "former"; where the atlas holds that one, the name now in use is
    // "other" (Thiruvananthapuram, Mysuru, Gurugram, Odesa, Astana again since 2022).
    "Bombay\tMumbai\tIN\tformer\n"
    "Madras\tChennai\tIN\tformer\n"
    "Calcutta\tKolkata\tIN\tformer\n"
    "Bangalore\tBengaluru\tIN\tformer\n"
    "Poona\tPune\tIN\tformer\n"
    "Benares\tVaranasi\tIN\tformer\n"
    "Banaras\tVaranasi\tIN\tformer\n"
    "Allahabad\tPrayagraj\tIN\tformer\n"
    "Thiruvananthapuram\tTrivandrum\tIN\tother\n"
    "Mysuru\tMysore\tIN\tother\n"
    "Baroda\tVadodara\tIN\tformer\n"
    "Cawnpore\tKanpur\tIN\tformer\n"
    "Simla\tShimla\tIN\tformer\n"
    "Pondicherry\tPuducherry\tIN\tformer\n"
    "Cochin\tKochi\tIN\tformer\n"
    "Gurugram\tGurgaon\tIN\tother\n"
    "Peking\tBeijing\tCN\tformer\n"
    "Canton\tGuangzhou\tCN\tformer\n"
    "Nanking\tNanjing\tCN\tformer\n"
    "Tientsin\tTianjin\tCN\tformer\n"
    "Saigon\tHo Chi Minh City\tVN\tformer\n"
    "Leningrad\tSaint Petersburg\tRU\tformer\n"
    "Stalingrad\tVolgograd\tRU\tformer\n"
    "Sverdlovsk\tYekaterinburg\tRU\tformer\n"
    "Gorky\tNizhny Novgorod\tRU\tformer\n"
    "Kiev\tKyiv\tUA\tformer\n"
    "Odesa\tOdessa\tUA\tother\n"
    "Zaporizhzhia\tZaporizhzhya\tUA\tother\n"
    "Kharkov\tKharkiv\tUA\tformer\n"
    "Lvov\tLviv\tUA\tformer\n"
    "Rangoon\tYangon\tMM\tformer\n"
    "Naypyidaw\tNay Pyi Taw\tMM\tother\n"
    "Dacca\tDhaka\tBD\tformer\n"
    "Astana\tNur-Sultan\tKZ\tother\n"
    "El Aaiun\tLaayoune\tEH\tother\n"
    "Macau\tMacao\tMO\tother\n"
    // Names in the place's own language, where the atlas has the English form.
    "München\tMunich\tDE\tother\n"
    "Köln\tCologne\tDE\tother\n"
    "Nürnberg\tNuremberg\tDE\tother\n"
    "Zürich\tZurich\tCH\tother\n"
    "Genève\tGeneva\tCH\tother\n"
    "Wien\tVienna\tAT\tother\n"
    "Praha\tPrague\tCZ\tother\n"
    "Warszawa\tWarsaw\tPL\tother\n"
    "Kraków\tKrakow\tPL\tother\n"
    "Łódź\tLodz\tPL\tother\n"
    "Wrocław\tWroclaw\tPL\tother\n"
    "Gdańsk\tGdansk\tPL\tother\n"
    "Roma\tRome\tIT\tother\n"
    "Milano\tMilan\tIT\tother\n"
    "Napoli\tNaples\tIT\tother\n"
    "Firenze\tFlorence\tIT\tother\n"
    "Venezia\tVenice\tIT\tother\n"
    "Torino\tTurin\tIT\tother\n"
    "Lisboa\tLisbon\tPT\tother\n"
    "Athína\tAthens\tGR\tother\n"
    "København\tCopenhagen\tDK\tother\n"
    "Bruxelles\tBrussels\tBE\tother\n"
    "Den Haag\tThe Hague\tNL\tother\n"
    "Beograd\tBelgrade\tRS\tother\n"
    "Bucureşti\tBucharest\tRO\tother\n"
    "Sevilla\tSeville\tES\tother\n"
    "Moskva\tMoscow\tRU\tother\n"
    // Common short or English forms of names GeoNames spells out.
    "New York City\tNew York\tUS\tother\n"
    "Abu Dhabi\tAbu Dhabi Island and Internal Islands City\tAE\tother\n"
    "Fez\tFes\tMA\tother\n"
    "Cali\tSantiago de Cali\tCO\tother\n";

}  // namespace

const RowBlock kAdditionRows{std::string_view(kRows, sizeof kRows - 1), 27};
const RowBlock kOtherNames{std::string_view(kOther, sizeof kOther - 1), 67};

}  // namespace places::data
