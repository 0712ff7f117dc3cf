// The type filters of the fuel list: which fuel types the list shows. The main window
// switches them; the folder scan applies them to the type value of each file.
#pragma once

namespace library {

struct TypeFilters {
  bool solid = true;       // "Т ", "Твердое": every type below 5
  bool anthracite = true;  // "Антрациты": type 0
  bool stone_coal = true;  // "Каменные угли": type 1
  bool brown_coal = true;  // "Бурые угли": type 2
  bool peat = true;        // "Торф": type 3
  bool shale = true;       // "Сланцы": type 4
  bool liquid = true;      // "Ж", "Жидкое": type 5
  bool gaseous = true;     // "Г ", "Газообразное": type 6
};

// Whether a file with type value `type_value` (record value 15 as read) is left out of the
// list. With the solid filter off every value below 5 is left out and the subtype filters
// are not consulted; otherwise a filter that is off hides the value equal to its index
// exactly, so 2.5 is never hidden by a subtype filter.
bool IsExcluded(const TypeFilters& filters, float type_value);

}  // namespace library
