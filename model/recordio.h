#pragma once

#include "base/list.h"
#include "base/str.h"
#include "base/wio.h"
#include "model/atlcoord.h"
#include "model/keptbytes.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <tuple>
#include <type_traits>
#include <typeindex>
#include <utility>
#include <vector>

class LocationNode;
class StrAssocList;
class StrAssocNode;
class TurnNode;
class UnitNode;
class owstream;
struct LocationSighting;
struct UnitSighting;

// The channels the record walks (model/records.h) run over. A walk lists a record's fields
// in file order as calls on its channel; each channel gives the calls their meaning: write
// them (ByteWriter), read them from the file's bytes into objects (ByteReader), or step over
// them noting only what a sighting or a part's shape needs (ByteSkim). Every call answers
// whether the bytes held the field; a walk stops at the first that did not.
//
// A sequence (Many) is a count of type N, then its elements: a list or a vector read is what
// the bytes hold in place of what was there; a map read takes each key the bytes hold, the
// last of equal keys winning.

namespace recordio {

template <class T> struct Seq;

template <class T> struct Seq<std::vector<T>> {
    using Elem = T;
    static size_t Count(const std::vector<T>& c) { return c.size(); }
    template <class F> static bool Each(const std::vector<T>& c, F f) {
        for (const T& e : c)
            if (!f(e)) return false;
        return true;
    }
    static void Clear(std::vector<T>& c) { c.clear(); }
    static void Add(std::vector<T>& c, T&& e) { c.push_back(std::move(e)); }
};

template <class K, class V> struct Seq<std::map<K, V>> {
    using Elem = std::pair<K, V>;
    static size_t Count(const std::map<K, V>& c) { return c.size(); }
    template <class F> static bool Each(const std::map<K, V>& c, F f) {
        for (const auto& e : c)
            if (!f(e)) return false;
        return true;
    }
    static void Clear(std::map<K, V>&) {}
    static void Add(std::map<K, V>& c, Elem&& e) {
        c.insert_or_assign(e.first, std::move(e.second));
    }
};

// A list of nodes; NodeT is the class of its nodes.
template <class L, class NodeT> struct NodeSeq {
    using Elem = NodeT;
    static size_t Count(const L& c) {
        size_t n = 0;
        for (const Node* e = c.GetFirst(); e; e = e->GetNext())
            ++n;
        return n;
    }
    template <class F> static bool Each(const L& c, F f) {
        for (const Node* e = c.GetFirst(); e; e = e->GetNext())
            if (!f(*static_cast<const NodeT*>(e))) return false;
        return true;
    }
    static void Clear(L& c) { c.Empty(); }
};

template <class T> struct Seq<ListT<T>> : NodeSeq<ListT<T>, T> {};
template <> struct Seq<StrAssocList> : NodeSeq<StrAssocList, StrAssocNode> {};

template <class E> struct KeyOf { using type = int; };
template <class K, class V> struct KeyOf<std::pair<K, V>> { using type = K; };

template <class T> struct IsMap : std::false_type {};
template <class K, class V> struct IsMap<std::map<K, V>> : std::true_type {};

// The shared reading of little-endian numbers from bytes in memory; a short read leaves
// nothing more to read.
class ByteCursor {
public:
    ByteCursor(const unsigned char* data, size_t size)
        : begin_(data), at_(data), end_(data + size) {}

    size_t Offset() const { return static_cast<size_t>(at_ - begin_); }
    size_t Left() const { return static_cast<size_t>(end_ - at_); }
    const unsigned char* At() const { return at_; }

    bool Skip(size_t n) {
        if (!Has(n)) return false;
        at_ += n;
        return true;
    }
    bool U8(uint8_t& v) { return Load(v); }
    bool U16(uint16_t& v) { return Load(v); }
    bool I16(int16_t& v) { return Load(v); }
    bool U32(uint32_t& v) { return Load(v); }
    bool I32(int32_t& v) { return Load(v); }
    // A small enumeration stored in one byte; refused above max.
    template <class E> bool Enum8(E& v, E max) {
        uint8_t u = 0;
        if (!U8(u) || u > static_cast<uint8_t>(max)) return false;
        v = static_cast<E>(u);
        return true;
    }

protected:
    bool Has(size_t n) {
        if (Left() >= n) return true;
        at_ = end_;
        return false;
    }
    template <class T> bool Load(T& v) {
        if (!Has(sizeof(T))) return false;
        v = LoadLE<T>(at_);
        at_ += sizeof(T);
        return true;
    }

    const unsigned char* begin_;
    const unsigned char* at_;
    const unsigned char* end_;
};

} // namespace recordio

// Writes the fields to a stream.
class ByteWriter {
public:
    explicit ByteWriter(owstream& os) : os_(os) {}

    bool U8(uint8_t v) { return WriteU8(os_, v), Good(); }
    bool U16(uint16_t v) { return WriteU16(os_, v), Good(); }
    bool I16(int16_t v) { return WriteI16(os_, v), Good(); }
    bool U32(uint32_t v) { return WriteU32(os_, v), Good(); }
    bool I32(int32_t v) { return WriteI32(os_, v), Good(); }
    template <class E> bool Enum8(E v, E) { return U8(static_cast<uint8_t>(v)); }
    bool Text(const Str& s) { return s.write(os_), Good(); }
    template <class N, class C, class Each> bool Many(const C& c, Each each) {
        using S = recordio::Seq<C>;
        size_t n = S::Count(c);
        // A count the field cannot hold would not match the elements that follow.
        if (n > std::numeric_limits<N>::max()) return Fail();
        if (!Number(static_cast<N>(n))) return false;
        return S::Each(c, [&](const auto& e) { return each(e); });
    }
    // Bytes kept as they were read.
    bool Raw(const KeptBytes& bytes);

private:
    bool Number(uint16_t n) { return U16(n); }
    bool Number(uint32_t n) { return U32(n); }
    bool Good() const;
    bool Fail();

    owstream& os_;
};

// Reads the fields from the file's bytes into objects.
class ByteReader : public recordio::ByteCursor {
public:
    explicit ByteReader(KeptBytes bytes)
        : ByteCursor(bytes.data, bytes.size), bytes_(std::move(bytes)) {}

    bool Text(Str& s);
    template <class N, class C, class Each> bool Many(C& c, Each each) {
        using S = recordio::Seq<C>;
        N n = 0;
        if (!Load(n)) return false;
        S::Clear(c);
        for (N i = 0; i < n; ++i) {
            if constexpr (std::is_base_of_v<Node, typename S::Elem>) {
                auto* e = new typename S::Elem();
                if (!each(*e)) {
                    delete e;
                    return false;
                }
                c.Add(e);
                if constexpr (std::is_same_v<typename S::Elem, TurnNode>)
                    if (turnRead) turnRead(i + 1u, n);
            } else {
                typename S::Elem e{};
                if (!each(e)) return false;
                S::Add(c, std::move(e));
            }
        }
        return true;
    }

    // The bytes from here to the end, sharing their owner.
    KeptBytes Rest() const { return bytes_.Part(Offset(), Left()); }
    // Told after each turn is read.
    NodesRead turnRead;

private:
    KeptBytes bytes_;
};

// Steps over the fields without making objects: the walk runs over scratch objects whose
// numbers it reads and whose texts and sequences it only steps over. Notes the sighting of
// each location and what a part of a turn is like.
class ByteSkim : public recordio::ByteCursor {
public:
    // Each list given takes, for every location met, its sighting, where its bytes end (from
    // data on) and its units under the location's place in the list.
    ByteSkim(const unsigned char* data, size_t size,
             std::vector<LocationSighting>* sightings = nullptr,
             std::vector<uint32_t>* ends = nullptr, std::vector<UnitSighting>* units = nullptr)
        : ByteCursor(data, size), sightings_(sightings), ends_(ends), units_(units) {}

    // False once a text or a map was met that writing back would not give as it is: a text
    // longer than a write keeps (which caps it), keys out of order or repeated.
    bool normal = true;
    // How many elements of sequences were met.
    size_t elements = 0;

    bool Text(const Str&) {
        uint16_t length = 0;
        if (!U16(length)) return false;
        normal = normal && length <= kMaxStoredTextLength;
        return Skip(length);
    }
    template <class N, class C, class Each> bool Many(C&, Each each) {
        using S = recordio::Seq<C>;
        using Elem = typename S::Elem;
        N n = 0;
        if (!Load(n)) return false;
        Elem scratch{};
        [[maybe_unused]] typename recordio::KeyOf<Elem>::type previous{};
        for (N i = 0; i < n; ++i) {
            if (!each(scratch)) return false;
            ++elements;
            if constexpr (recordio::IsMap<C>::value) {
                // Written from the map, the keys ascend.
                if (i > 0 && !(previous < scratch.first)) normal = false;
                previous = scratch.first;
            } else if constexpr (std::is_same_v<Elem, UnitNode>) {
                NoteUnit(scratch);
            } else if constexpr (std::is_same_v<Elem, LocationNode>) {
                NoteLocation(scratch, n);
            }
        }
        return true;
    }

private:
    void NoteUnit(const UnitNode& unit);
    void NoteLocation(const LocationNode& loc, unsigned count);

    std::vector<LocationSighting>* sightings_;
    std::vector<uint32_t>* ends_;
    std::vector<UnitSighting>* units_;
    bool guarded_ = false;
    uint32_t locations_ = 0; // the locations met so far
};

// Walks the records over objects as the writer would, writing nothing: stops at the first
// sequence whose count its field cannot hold, so that what would not read back can be refused
// before anything changes. Texts need no check: a write caps them at what a read takes back.
class CountCheck {
public:
    // The first sequence beyond its field: the type of its elements, the most its count can
    // say, and the region and the unit it stood in, where it stood in any.
    struct Beyond {
        std::type_index element = typeid(void);
        size_t most = 0;
        std::optional<AtlCoord> region;
        std::optional<int32_t> unit;
    };
    std::optional<Beyond> beyond;

    bool U8(uint8_t) { return true; }
    bool U16(uint16_t) { return true; }
    bool I16(int16_t) { return true; }
    bool U32(uint32_t) { return true; }
    bool I32(int32_t) { return true; }
    template <class E> bool Enum8(E, E) { return true; }
    bool Text(const Str&) { return true; }
    template <class N, class C, class Each> bool Many(const C& c, Each each) {
        using S = recordio::Seq<C>;
        if (S::Count(c) > std::numeric_limits<N>::max()) {
            beyond =
                Beyond{typeid(typename S::Elem), std::numeric_limits<N>::max(), region_, unit_};
            return false;
        }
        return S::Each(c, [&](const auto& e) {
            const auto around = std::pair(region_, unit_);
            Enter(e);
            bool fits = each(e);
            std::tie(region_, unit_) = around;
            return fits;
        });
    }

private:
    // Notes the key of an element that has one: a location's or a region's coordinate, a
    // unit's number.
    template <class E> void Enter(const E& e) {
        if constexpr (std::is_same_v<E, LocationNode> || std::is_same_v<E, UnitNode>) {
            EnterNode(e);
        } else if constexpr (requires { e.first; }) {
            using Key = std::remove_cvref_t<decltype(e.first)>;
            if constexpr (std::is_same_v<Key, AtlCoord>) region_ = e.first;
            if constexpr (std::is_same_v<Key, int32_t>) unit_ = e.first;
        }
    }
    void EnterNode(const LocationNode& loc);
    void EnterNode(const UnitNode& unit);

    std::optional<AtlCoord> region_;
    std::optional<int32_t> unit_;
};
