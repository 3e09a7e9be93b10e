#include "RecordTallySql.h"

#include <array>
#include <utility>

namespace bt::scored {

std::string tallySql(std::string_view text, const RecordTables& tables) {
  const std::array<std::pair<std::string_view, std::string_view>, 5> names = {{
      {"@records", tables.records},
      {"@keyType", tables.keyType},  // before @key, which it starts with
      {"@key", tables.key},
      {"@tallies", tables.tallies},
      {"@players", tables.players},
  }};
  std::string sql;
  sql.reserve(text.size() + 256);
  for (size_t i = 0; i < text.size();) {
    bool replaced = false;
    for (const auto& [placeholder, name] : names) {
      if (text.substr(i).starts_with(placeholder)) {
        sql += name;
        i += placeholder.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) sql += text[i++];
  }
  return sql;
}

}  // namespace bt::scored
