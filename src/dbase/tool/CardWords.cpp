#include "CardWords.h"

namespace dbase::cardgen::words {

namespace {

constexpr const char *kFirstNames[] = {
    "Aaron",
    "Adam",
    "Alan",
    "Albert",
    "Andre",
    "Arthur",
    "Ben",
    "Bill",
    "Bobby",
    "Brandon",
    "Brian",
    "Carl",
    "Carlos",
    "Chris",
    "Dale",
    "Daniel",
    "Darnell",
    "David",
    "Dennis",
    "Derek",
    "Don",
    "Doug",
    "Earl",
    "Eddie",
    "Ernie",
    "Frank",
    "Fred",
    "Gary",
    "George",
    "Gordon",
    "Greg",
    "Hank",
    "Harold",
    "Henry",
    "Jack",
    "Jake",
    "James",
    "Jason",
    "Jeff",
    "Jerry",
    "Jim",
    "Joe",
    "John",
    "Juan",
    "Justin",
    "Karl",
    "Keith",
    "Ken",
    "Kevin",
    "Kyle",
    "Larry",
    "Lou",
    "Luis",
    "Marcus",
    "Mark",
    "Matt",
    "Mike",
    "Nate",
    "Nick",
    "Oscar",
    "Pat",
    "Paul",
    "Pete",
    "Phil",
    "Ralph",
    "Ray",
    "Rick",
    "Rob",
    "Roger",
    "Ron",
    "Ryan",
    "Sam",
    "Scott",
    "Steve",
    "Ted",
    "Terry",
    "Tim",
    "Tom",
    "Tony",
    "Troy",
    "Vic",
    "Walt",
    "Wayne",
    "Will",
    "Zach",
};

constexpr const char *kLastNames[] = {
    "Abbott",
    "Adler",
    "Baker",
    "Barlow",
    "Bennett",
    "Brooks",
    "Burke",
    "Carver",
    "Chandler",
    "Coleman",
    "Crane",
    "Dawson",
    "Delgado",
    "Dixon",
    "Drummond",
    "Ellis",
    "Farrell",
    "Fischer",
    "Fletcher",
    "Foster",
    "Garrett",
    "Gibson",
    "Grady",
    "Hale",
    "Hammond",
    "Harper",
    "Hayes",
    "Holloway",
    "Hunt",
    "Ingram",
    "Jennings",
    "Kendall",
    "Kerr",
    "Kowalski",
    "Lambert",
    "Lawson",
    "Lowe",
    "Maddox",
    "Marsh",
    "McBride",
    "Mercer",
    "Monroe",
    "Nash",
    "Novak",
    "O'Connell",
    "Ortega",
    "Palmer",
    "Parks",
    "Pruitt",
    "Quinn",
    "Ramsey",
    "Reyes",
    "Rhodes",
    "Russo",
    "Sawyer",
    "Schultz",
    "Shaw",
    "Slater",
    "Stokes",
    "Sullivan",
    "Tate",
    "Thornton",
    "Tucker",
    "Underwood",
    "Vance",
    "Vaughn",
    "Wade",
    "Walsh",
    "Webb",
    "Whitaker",
    "Wolfe",
    "Yates",
    "Young",
    "Zimmer",
};

constexpr const char *kAccentedFirstNames[] = {
    "Aérien",
    "Émile",
    "Zoë",
    "José",
    "Jérôme",
    "René",
    "Andrés",
    "Björn",
    "Søren",
    "Ángel",
    "Joël",
    "Frédéric",
};

constexpr const char *kAccentedLastNames[] = {
    "Lévesque",
    "Álvarez",
    "Müller",
    "Núñez",
    "Côté",
    "Gonçalves",
    "Brûlé",
    "Håkansson",
    "Ibáñez",
    "Gagné",
    "Østergaard",
    "Schröder",
};

constexpr const char *kCities[] = {
    "Ashford",
    "Bayview",
    "Cedar Hill",
    "Granite Falls",
    "Harborview",
    "Lakeshore",
    "Millbrook",
    "Northgate",
    "Port Alder",
    "Riverton",
    "Summit City",
    "Westbrook",
};

constexpr const char *kBaseballNicknames[]
    = { "Foxes", "Mariners", "Millers", "Pilots", "Rangers", "Sparrows" };
constexpr const char *kBaseballPositions[] = {
    "Pitcher",
    "Catcher",
    "First Base",
    "Second Base",
    "Third Base",
    "Shortstop",
    "Outfield",
};
constexpr const char *kFootballNicknames[]
    = { "Bulldogs", "Ironmen", "Stallions", "Thunderbirds", "Wolves" };
constexpr const char *kFootballPositions[] = {
    "Quarterback",
    "Running Back",
    "Wide Receiver",
    "Tight End",
    "Linebacker",
    "Cornerback",
    "Kicker",
};
constexpr const char *kBasketballNicknames[]
    = { "Comets", "Flyers", "Hawks", "Lightning", "Rockets" };
constexpr const char *kBasketballPositions[]
    = { "Point Guard", "Shooting Guard", "Forward", "Center" };
constexpr const char *kHockeyNicknames[] = { "Blizzard", "Grizzlies", "Huskies", "Icebreakers" };
constexpr const char *kHockeyPositions[]
    = { "Goalie", "Defense", "Center", "Left Wing", "Right Wing" };
constexpr const char *kSoccerNicknames[] = { "Athletic", "Rovers", "United", "Wanderers" };
constexpr const char *kSoccerPositions[] = { "Goalkeeper", "Defender", "Midfielder", "Forward" };

constexpr SportWords kSports[] = {
    { "Baseball", 36, kBaseballNicknames, kBaseballPositions },
    { "Football", 20, kFootballNicknames, kFootballPositions },
    { "Basketball", 18, kBasketballNicknames, kBasketballPositions },
    { "Hockey", 12, kHockeyNicknames, kHockeyPositions },
    { "Soccer", 6, kSoccerNicknames, kSoccerPositions },
    { "Golf", 3, {}, {} },
    { "Racing", 3, {}, {} },
    { "Boxing", 2, {}, {} },
};

constexpr const char *kVintageMakers[]
    = { "Summit Gum", "Lodestar Tobacco", "Harvest Caramel", "Crestmark" };
constexpr const char *kModernMakers[] = {
    "Crestmark",
    "Starline",
    "Bluepeak",
    "Redwing Press",
    "Kestrel",
    "Silverline",
    "Oakridge",
    "Tidewater",
};

constexpr Weighted kCardTypes[] = {
    { "Base", 60 },
    { "Rookie", 10 },
    { "Insert", 7 },
    { "Parallel", 6 },
    { "Autograph", 4 },
    { "Relic", 3 },
    { "Short Print", 3 },
    { "Team Card", 3 },
    { "Checklist", 2 },
    { "Error", 2 },
};

constexpr Weighted kConditions[] = {
    { "Gem Mint", 4 },
    { "Mint", 14 },
    { "Near Mint", 30 },
    { "Excellent", 22 },
    { "Very Good", 14 },
    { "Good", 9 },
    { "Fair", 5 },
    { "Poor", 2 },
};

constexpr Weighted kStatuses[] = {
    { "In Collection", 70 },
    { "For Sale", 10 },
    { "For Trade", 8 },
    { "Sold", 8 },
    { "Wanted", 4 },
};

constexpr const char *kStoragePlaces[] = {
    "Binder 1",
    "Binder 2",
    "Binder 3",
    "Binder 4",
    "Binder 5",
    "Box A",
    "Box B",
    "Box C",
    "Box D",
    "Display Case",
    "Top Loader Box",
    "Safe Deposit",
};

constexpr const char *kSources[] = {
    "Card show",
    "Hobby shop",
    "Online auction",
    "Trade",
    "Pack pull",
    "Estate sale",
    "Flea market",
    "Gift",
};

constexpr const char *kNoteLines[] = {
    "Sharp corners, well centred.",
    "Slight crease on the back.",
    "Bought together with the team set.",
    "Signed in person after a game.",
    "Soft corners; surface is clean.",
    "Off-centre left to right.",
    "Small wax stain on the reverse.",
    "Came in the original pack wrapper.",
    "Price sticker residue on the front.",
    "Keep in a top loader.",
    "Check the print run before selling.",
    "Asked about at the last show - two offers.",
    "Edges show light wear.",
    "Gloss is excellent.",
    "One of two copies in the collection.",
    "Needs a new sleeve.",
};

} // namespace

std::span<const char *const> firstNames()
{
    return kFirstNames;
}
std::span<const char *const> lastNames()
{
    return kLastNames;
}
std::span<const char *const> accentedFirstNames()
{
    return kAccentedFirstNames;
}
std::span<const char *const> accentedLastNames()
{
    return kAccentedLastNames;
}
std::span<const char *const> cities()
{
    return kCities;
}
std::span<const SportWords> sports()
{
    return kSports;
}
std::span<const char *const> vintageMakers()
{
    return kVintageMakers;
}
std::span<const char *const> modernMakers()
{
    return kModernMakers;
}
std::span<const Weighted> cardTypes()
{
    return kCardTypes;
}
std::span<const Weighted> conditions()
{
    return kConditions;
}
std::span<const Weighted> statuses()
{
    return kStatuses;
}
std::span<const char *const> storagePlaces()
{
    return kStoragePlaces;
}
std::span<const char *const> sources()
{
    return kSources;
}
std::span<const char *const> noteLines()
{
    return kNoteLines;
}

} // namespace dbase::cardgen::words
