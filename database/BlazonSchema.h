#pragma once
// The blazon table: its file, fields, limits and the SQL that creates it. Shared by the
// generator of the shipped armorial and by the program, which makes the user's own copy.

#include <string_view>

namespace esc::db {

inline constexpr std::string_view kBlazonFileName = "escaval1.db";
inline constexpr std::string_view kBlazonTableName = "escaval1";
inline constexpr std::string_view kSurnameIndexName = "esvnme";

inline constexpr int kMaxSurnameChars = 30;   // the surname box holds 30 characters
// The longest blazon of the shipped armorial, each read by a drawing in one piece. The user's
// entries are kept whole however long: the window refuses to draw one a drawing cannot read.
inline constexpr int kMaxBlazonChars = 199;

inline constexpr char kOriginShipped = 'T';   // came with the program
inline constexpr char kOriginUser = 'A';      // added by the user

// Fields in record order: Surname, Id, Blazon, Origin. Surnames compare without regard to case;
// the index "esvnme" gives the order by Surname;Id. Nothing is unique: a surname may be borne
// by several families.
inline constexpr const char* kCreateBlazonTableSql =
    "CREATE TABLE IF NOT EXISTS escaval1 ("
    " Surname TEXT COLLATE NOCASE DEFAULT '',"
    " Id INTEGER DEFAULT 0,"
    " Blazon TEXT DEFAULT '',"
    " Origin TEXT COLLATE NOCASE DEFAULT 'A');"
    "CREATE INDEX IF NOT EXISTS esvnme ON escaval1 (Surname, Id);";

// Facts about the file: the shipped database records the digest of its entries there, the
// user's database the digest of the shipped entries it last took in.
inline constexpr const char* kCreateInfoTableSql =
    "CREATE TABLE IF NOT EXISTS escaval_info (Key TEXT PRIMARY KEY, Value TEXT);";
inline constexpr std::string_view kArmorialDigestKey = "armorial_digest";
inline constexpr std::string_view kMergedDigestKey = "merged_digest";

// The user's database remembers every shipped entry it was ever offered, so that an entry the
// user deleted or edited is not brought back by a later version.
inline constexpr const char* kCreateShippedTableSql =
    "CREATE TABLE IF NOT EXISTS shipped_entries (Surname TEXT, Blazon TEXT, PRIMARY KEY (Surname, Blazon));";

}  // namespace esc::db
