#pragma once

#include "base/assoc.h"
#include "model/atldate.h"
#include "model/location.h"
#include "model/recordio.h"
#include "model/references.h"
#include "model/turnextras.h"

// The records of the document file, each described once: its fields in file order, as calls
// on a channel (model/recordio.h) that writes them, reads them into objects, or skims them.
// The writer, the reader and the skim all run these walks, so a field changed here changes
// all three. Numbers are little-endian (base/wio.h); a text is a uint16 length and its bytes;
// a list is a count and its elements. R is the record, const for the writer.
struct DocRecords {
    // Version 1.

    template <class W, class R> static bool Terrain(W& w, R& t) {
        return w.U8(t.type_) && w.Text(t.name_);
    }
    template <class W, class R> static bool Coord(W& w, R& c) {
        return w.I16(c.x) && w.I16(c.y) && w.U8(c.z);
    }
    template <class W, class R> static bool Date(W& w, R& d) { return w.I32(d.value_); }
    template <class W, class R> static bool Faction(W& w, R& f) { return w.I32(f.number_); }
    template <class W, class R> static bool Item(W& w, R& i) {
        return w.I32(i.count) && w.Text(i.name) && w.Text(i.abbr);
    }
    template <class W, class R> static bool PricedItem(W& w, R& i) {
        return Item(w, i) && w.I32(i.price);
    }
    // The file keeps the flag word before the building number.
    template <class W, class R> static bool Unit(W& w, R& u) {
        return w.template Many<uint16_t>(u.items, [&](auto& i) { return Item(w, i); }) &&
               Faction(w, u.faction) && w.Text(u.name) && w.I32(u.number) && w.U32(u.flags) &&
               w.U16(u.building);
    }
    template <class W, class R> static bool Building(W& w, R& b) {
        return w.Text(b.name) && w.U16(b.number) && w.Text(b.text);
    }
    template <class W, class R> static bool Location(W& w, R& l) {
        auto priced = [&](auto& i) { return PricedItem(w, i); };
        return Terrain(w, l.terrain) && Coord(w, l.coord) && w.Text(l.regionName) &&
               w.Text(l.townName) && w.Text(l.townType) && w.I32(l.peasants) &&
               w.Text(l.peasantRace) && w.I32(l.silver) && w.I32(l.wages) && w.I32(l.maxWages) &&
               w.I32(l.entertainment) && w.template Many<uint16_t>(l.wanted, priced) &&
               w.template Many<uint16_t>(l.forSale, priced) &&
               w.template Many<uint16_t>(l.products, [&](auto& i) { return Item(w, i); }) &&
               w.template Many<uint16_t>(l.units, [&](auto& u) { return Unit(w, u); }) &&
               w.template Many<uint16_t>(l.buildings, [&](auto& b) { return Building(w, b); }) &&
               w.U32(l.flags);
    }
    template <class W, class L> static bool Locations(W& w, L& list) {
        return w.template Many<uint16_t>(list, [&](auto& l) { return Location(w, l); });
    }
    // A faction the report named: its number and name.
    template <class W, class R> static bool FactionName(W& w, R& f) {
        return w.I32(f.key) && w.Text(f.name);
    }
    // The locations go through the turn, which may keep them as the file's bytes.
    template <class W, class R> static bool Turn(W& w, R& t) {
        return Date(w, t.date) && w.Text(t.text) && t.WalkLocations(w) &&
               w.template Many<uint16_t>(t.factions, [&](auto& f) { return FactionName(w, f); });
    }
    template <class W, class R> static bool Document(W& w, R& d) {
        return Faction(w, d.faction_) &&
               w.template Many<uint16_t>(d.turns_, [&](auto& t) { return Turn(w, t); });
    }

    // Each turn's parts of the extension area (model/turnchunk.h).

    template <class W, class R> static bool Exit(W& w, R& e) {
        return w.Enum8(e.direction, AtlDirection::Southwest) && Coord(w, e.target) &&
               Terrain(w, e.terrain) && w.Text(e.regionName) && w.Text(e.townName) &&
               w.Text(e.townType);
    }
    // A region block's extras, under the region's coordinate.
    template <class W, class R> static bool Region(W& w, R& keyed) {
        auto& r = keyed.second;
        return Coord(w, keyed.first) && w.I32(r.gate) && w.I32(r.gateCount) && w.Text(r.weather) &&
               w.template Many<uint16_t>(r.exits, [&](auto& e) { return Exit(w, e); });
    }
    template <class W, class R> static bool Regions(W& w, R& extras) {
        return w.template Many<uint32_t>(extras.regions_, [&](auto& r) { return Region(w, r); });
    }
    template <class W, class R> static bool Skills(W& w, R& skills) {
        return w.template Many<uint16_t>(skills, [&](auto& s) {
            return w.Text(s.name) && w.Text(s.abbr) && w.I32(s.level) && w.I32(s.days);
        });
    }
    // An own unit's details, under its number.
    template <class W, class R> static bool Units(W& w, R& extras) {
        return w.template Many<uint32_t>(extras.units_, [&](auto& numbered) {
            auto& u = numbered.second;
            return w.I32(numbered.first) && w.I32(u.weight) && w.Text(u.capacity) &&
                   Skills(w, u.skills) && w.Text(u.combatSpell) && Skills(w, u.canStudy);
        });
    }
    // The decimals of the wages the report gave, under the region's coordinate.
    template <class W, class R> static bool WageDecimals(W& w, R& extras) {
        return w.template Many<uint32_t>(extras.wageDecimals_, [&](auto& keyed) {
            return Coord(w, keyed.first) && w.Text(keyed.second);
        });
    }
    // An own unit line's flag words where the record's flags cannot say them all, under the
    // unit's number.
    template <class W, class R> static bool UnitFlags(W& w, R& extras) {
        return w.template Many<uint32_t>(extras.unitFlags_, [&](auto& numbered) {
            return w.I32(numbered.first) &&
                   w.template Many<uint16_t>(numbered.second, [&](auto& s) { return w.Text(s); });
        });
    }
    // An ally's map in the extension area (model/allychunk.h): who the ally is and the map
    // file it was last taken from; the size of the ally's document image, which follows.
    template <class W, class R> static bool AllyHeader(W& w, R& a) {
        return Faction(w, a.faction) && w.Text(a.name) && w.Text(a.file) && w.U32(a.imageSize);
    }

    template <class W, class R> static bool Events(W& w, R& extras) {
        auto line = [&](auto& s) { return w.Text(s); };
        auto& e = extras.events;
        return w.template Many<uint32_t>(e.errors, line) &&
               w.template Many<uint32_t>(e.battles, line) &&
               w.template Many<uint32_t>(e.events, line);
    }

    // The player's notes and bookmarks (model/hexnotes.h), under the hex's coordinate.
    template <class W, class R> static bool Notes(W& w, R& notes) {
        return w.template Many<uint32_t>(notes.notes_, [&](auto& keyed) {
            return Coord(w, keyed.first) && w.U8(keyed.second.flags) && w.Text(keyed.second.text);
        });
    }

    template <class W, class R> static bool FactionPage(W& w, R& extras) {
        auto line = [&](auto& s) { return w.Text(s); };
        auto& f = extras.faction;
        return w.template Many<uint16_t>(f.status, line) && w.Text(f.defaultAttitude) &&
               w.template Many<uint16_t>(f.attitudes, line) &&
               w.template Many<uint16_t>(f.silver, line);
    }

    // The extension area's chunks of the whole document.

    // A description the reports gave (model/references.h), with the turn it came from.
    template <class W, class R> static bool Reference(W& w, R& r) {
        return w.Enum8(r.kind, ReferenceKind::Object) && w.Text(r.name) && w.Text(r.abbr) &&
               w.I32(r.level) && Date(w, r.date) && w.Text(r.text);
    }
    template <class W, class R> static bool References(W& w, R& refs) {
        return w.template Many<uint32_t>(refs.entries_, [&](auto& r) { return Reference(w, r); });
    }
};
