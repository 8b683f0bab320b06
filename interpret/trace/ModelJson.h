#pragma once
// The model of the arms as JSON, for --explain --json. The README describes the schema.

#include <string_view>

#include <nlohmann/json.hpp>

#include "interpret/model/Arms.h"

namespace esc {

nlohmann::ordered_json ModelJson(const model::Arms& arms);

// The names the JSON gives the model's codes.
std::string_view GroupKindName(model::GroupKind kind);
std::string_view RegionName(model::Region region);
std::string_view ArrangementName(model::Arrangement arrangement);
std::string_view TurnName(model::Turn turn);
std::string_view RelationKindName(model::RelationKind kind);

}  // namespace esc
