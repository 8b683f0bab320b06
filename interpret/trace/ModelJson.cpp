#include "interpret/trace/ModelJson.h"

#include <string>
#include <string_view>
#include <vector>

#include "engine/Palette.h"
#include "interpret/read/TextOps.h"

namespace esc {

namespace {

using Json = nlohmann::ordered_json;

// A tincture by its name in lower case ("gules", "counterchanged"); null for none.
Json TinctureJson(int code) {
    if (code == kProperBrown) return "proper";
    if (code == kPlainWhite) return "white";
    const std::string_view name = TinctureName(code);
    if (name.empty()) return nullptr;
    return ToLower(name);
}

// A treatment and its parts, to any depth: a tincture names its tincture; a pattern or a division
// its name, line (-1 plain), pieces (0 the usual count) and parts.
Json TreatmentJson(const model::Treatment& t) {
    Json json = {{"form", model::FormName(t.form)}};
    if (t.form == model::TreatmentForm::Tincture) {
        json["tincture"] = TinctureJson(t.tincture);
        return json;
    }
    if (t.IsPlain()) return json;
    if (t.form == model::TreatmentForm::Seme) {
        json["charge"] = t.charge;
    } else if (t.form == model::TreatmentForm::Pattern) {
        json["pattern"] = model::PatternName(t.pattern);
    } else {
        json["division"] = model::DivisionName(t.division);
    }
    json["line"] = t.line;
    if (t.position != OrdinaryPosition::Usual) json["position"] = PositionName(t.position);
    if (t.lineFimbriation >= 0) json["lineFimbriation"] = TinctureJson(t.lineFimbriation);
    json["pieces"] = t.pieces;
    Json parts = Json::array();
    for (const model::Treatment& part : t.parts) parts.push_back(TreatmentJson(part));
    json["parts"] = std::move(parts);
    return json;
}

Json SurfaceJson(const model::Surface& s) {
    return {{"tincture", TinctureJson(s.tincture)},
            {"secondTincture", TinctureJson(s.secondTincture)},
            {"division", CodeOf(s.division)},
            {"treatment", TreatmentJson(s.treatment)}};
}

// How a spot turns its picture.
std::string_view SpotTurnName(ChargeTurn turn) {
    switch (turn) {
        case ChargeTurn::kAsDrawn: return "as drawn";
        case ChargeTurn::kBendwise: return "bendwise";
        case ChargeTurn::kBendwiseSinister: return "bendwise sinister";
        case ChargeTurn::kFesswise: return "fesswise";
    }
    return "?";
}

// Each charge placed: its spot in shield pixels and the tincture it was painted in.
Json SpotsJson(const std::vector<model::PlacedCharge>& placed) {
    Json spots = Json::array();
    for (const model::PlacedCharge& p : placed)
        spots.push_back({{"x", p.spot.x},
                         {"y", p.spot.y},
                         {"scale", p.spot.scale},
                         {"turn", SpotTurnName(p.spot.turn)},
                         {"mirror", p.spot.mirror},
                         {"flip", p.spot.flip},
                         {"tincture", TinctureJson(p.tincture)}});
    return spots;
}

Json MemberJson(const model::Member& m) {
    Json tinctures = Json::array();
    for (const int t : m.tinctures) tinctures.push_back(TinctureJson(t));
    Json turns = Json::array();
    for (const model::Turn t : m.modifiers.turns) turns.push_back(TurnName(t));
    Json json = {{"charge", m.charge},
            {"kind", m.kind},
            {"count", m.count},
            {"surface", SurfaceJson(m.surface)},
            {"tinctures", std::move(tinctures)},
            {"variant", m.modifiers.variant},
            {"turns", std::move(turns)},
            {"fimbriation", TinctureJson(m.modifiers.fimbriation)},
            {"voided", m.modifiers.voided},
            {"outerFimbriation", TinctureJson(m.modifiers.outerFimbriation)},
            {"cotises", m.modifiers.cotises},
            {"cotiseTincture", TinctureJson(m.modifiers.cotiseTincture)},
            {"cotiseLine", m.modifiers.cotiseLine},
            {"line", m.modifiers.line}};
    if (m.modifiers.secondLine >= 0) json["secondLine"] = m.modifiers.secondLine;
    if (m.modifiers.position != OrdinaryPosition::Usual) json["position"] = PositionName(m.modifiers.position);
    if (m.modifiers.throughout) json["throughout"] = true;
    if (m.modifiers.pairJoined) json["conjoined"] = true;
    if (m.modifiers.issuingFlank != IssuingFlank::kNone)
        json["issuantFrom"] = m.modifiers.issuingFlank == IssuingFlank::kDexter ? "dexter" : "sinister";
    json["spots"] = SpotsJson(m.placed);
    return json;
}

}  // namespace

std::string_view GroupKindName(model::GroupKind kind) {
    switch (kind) {
        case model::GroupKind::Ordinary: return "ordinary";
        case model::GroupKind::Charges: return "charges";
        case model::GroupKind::Seme: return "seme";
    }
    return "?";
}

std::string_view RegionName(model::Region region) {
    switch (region) {
        case model::Region::Whole: return "whole";
        case model::Region::Chief: return "chief";
        case model::Region::Base: return "base";
        case model::Region::DexterChief: return "dexter chief";
        case model::Region::SinisterChief: return "sinister chief";
        case model::Region::DexterBase: return "dexter base";
        case model::Region::SinisterBase: return "sinister base";
        case model::Region::DexterHalf: return "dexter half";
        case model::Region::SinisterHalf: return "sinister half";
        case model::Region::Quarters: return "quarters";
        case model::Region::OnOrdinary: return "on ordinary";
        case model::Region::OnCharges: return "on charges";
        case model::Region::AboutOrdinary: return "about ordinary";
        case model::Region::Overall: return "overall";
    }
    return "?";
}

std::string_view ArrangementName(model::Arrangement arrangement) {
    switch (arrangement) {
        case model::Arrangement::AsTheCountFalls: return "as the count falls";
        case model::Arrangement::InLine: return "in line";
        case model::Arrangement::Rows: return "rows";
    }
    return "?";
}

std::string_view TurnName(model::Turn turn) {
    switch (turn) {
        case model::Turn::Bendwise: return "bendwise";
        case model::Turn::BendwiseSinister: return "bendwise sinister";
        case model::Turn::Palewise: return "palewise";
        case model::Turn::Fesswise: return "fesswise";
        case model::Turn::Reversed: return "reversed";
        case model::Turn::ToSinister: return "to sinister";
    }
    return "?";
}

std::string_view RelationKindName(model::RelationKind kind) {
    switch (kind) {
        case model::RelationKind::ChargedWith: return "charged with";
        case model::RelationKind::Between: return "between";
        case model::RelationKind::Surmounts: return "surmounts";
        case model::RelationKind::Maintains: return "maintains";
        case model::RelationKind::Within: return "within";
        case model::RelationKind::IssuantFrom: return "issuant from";
        case model::RelationKind::Ensigned: return "ensigned with";
        case model::RelationKind::Enfiled: return "enfiled with";
        case model::RelationKind::Pierces: return "pierces";
    }
    return "?";
}

Json ModelJson(const model::Arms& arms) {
    Json groups = Json::array();
    for (const model::Group& g : arms.groups) {
        Json members = Json::array();
        for (const model::Member& m : g.members) members.push_back(MemberJson(m));
        groups.push_back({{"kind", GroupKindName(g.kind)},
                          {"count", g.Count()},
                          {"region", RegionName(g.region)},
                          {"arrangement", ArrangementName(g.arrangement)},
                          {"lineShape", CodeOf(g.lineShape)},
                          {"level", g.firstLevel},
                          {"members", std::move(members)}});
    }
    Json relations = Json::array();
    for (const model::Relation& r : arms.relations) {
        Json relation = {{"kind", RelationKindName(r.kind)}, {"subject", r.subject}, {"object", r.object}};
        // Written only when said: one object to every charge of the subject's group.
        if (r.each) relation["each"] = true;
        relations.push_back(std::move(relation));
    }
    return {{"field", SurfaceJson(arms.field)}, {"groups", std::move(groups)}, {"relations", std::move(relations)}};
}

}  // namespace esc
