#include "DwgWriter.h"

#include "BitWriter.h"
#include "DwgCrc.h"

#include <algorithm>
#include <array>
#include <map>
#include <string_view>

namespace vr::samples::dwg {
namespace {

// Object types of the format.
enum Type : std::uint16_t {
    kText = 1,
    kBlock = 4,
    kEndblk = 5,
    kLine = 19,
    kPoint = 27,
    kDictionary = 42,
    kBlockControl = 48,
    kBlockHeader = 49,
    kLayerControl = 50,
    kLayer = 51,
    kStyleControl = 52,
    kStyle = 53,
    kLtypeControl = 56,
    kLtype = 57,
    kViewControl = 60,
    kUcsControl = 62,
    kVportControl = 64,
    kVport = 65,
    kAppidControl = 66,
    kAppid = 67,
    kDimstyleControl = 68,
    kDimstyle = 69,
    kVpEntHdrControl = 70,
};

// The handles of the fixed objects; entities follow from kFirstEntity.
enum Handle : std::uint32_t {
    hBlockControl = 0x1,
    hLayerControl = 0x2,
    hStyleControl = 0x3,
    hLtypeControl = 0x5,
    hViewControl = 0x6,
    hUcsControl = 0x7,
    hVportControl = 0x8,
    hAppidControl = 0x9,
    hDimstyleControl = 0xA,
    hVpEntHdrControl = 0xB,
    hNamedObjects = 0xC,
    hGroupDictionary = 0xD,
    hMlineStyleDictionary = 0xE,
    hLayer0 = 0xF,
    hStandardStyle = 0x10,
    hByLayer = 0x11,
    hByBlock = 0x12,
    hContinuous = 0x13,
    hActiveVport = 0x14,
    hAcadAppid = 0x15,
    hStandardDimstyle = 0x16,
    hModelSpace = 0x17,
    hPaperSpace = 0x18,
    hModelBlock = 0x19,
    hModelEndblk = 0x1A,
    hPaperBlock = 0x1B,
    hPaperEndblk = 0x1C,
    kFirstEntity = 0x20,
};

constexpr HandleRef Null(std::uint8_t code) {
    return {code, 0};
}
constexpr HandleRef SoftOwner(std::uint32_t h) {
    return {2, h};
}
constexpr HandleRef HardOwner(std::uint32_t h) {
    return {3, h};
}
constexpr HandleRef SoftPointer(std::uint32_t h) {
    return {4, h};
}
constexpr HandleRef HardPointer(std::uint32_t h) {
    return {5, h};
}

constexpr std::array<std::uint8_t, 16> kFileHeaderEnd = {
    0x95, 0xA0, 0x4E, 0x28, 0x99, 0x82, 0x1A, 0xE5, 0x5E, 0x41, 0xE0, 0x5F, 0x9D, 0x3A, 0x4D, 0x00};
constexpr std::array<std::uint8_t, 16> kHeaderStart = {
    0xCF, 0x7B, 0x1F, 0x23, 0xFD, 0xDE, 0x38, 0xA9, 0x5F, 0x7C, 0x68, 0xB8, 0x4E, 0x6D, 0x33, 0x5F};
constexpr std::array<std::uint8_t, 16> kHeaderEnd = {
    0x30, 0x84, 0xE0, 0xDC, 0x02, 0x21, 0xC7, 0x56, 0xA0, 0x83, 0x97, 0x47, 0xB1, 0x92, 0xCC, 0xA0};
constexpr std::array<std::uint8_t, 16> kClassesStart = {
    0x8D, 0xA1, 0xC4, 0xB8, 0xC4, 0xA9, 0xF8, 0xC5, 0xC0, 0xDC, 0xF4, 0x5F, 0xE7, 0xCF, 0xB6, 0x8A};
constexpr std::array<std::uint8_t, 16> kClassesEnd = {
    0x72, 0x5E, 0x3B, 0x47, 0x3B, 0x56, 0x07, 0x3A, 0x3F, 0x23, 0x0B, 0xA0, 0x18, 0x30, 0x49, 0x75};

constexpr std::uint16_t kCodePageAnsi932 = 38;
constexpr std::uint16_t kByLayerColor = 256;
constexpr std::uint8_t kByLayerLineweight = 29;

// One object: the data stream from its type on, and its handle stream.
class ObjectStream {
  public:
    ObjectStream(std::uint16_t type, std::uint32_t handle) {
        data.BS(type);
        sizeAt_ = data.BitCount();
        data.RL(0); // bits before the handle stream, set on Finish
        data.H({0, handle});
        data.BS(0); // no extended data
    }

    // Size, bytes and CRC, as the object stands in the file.
    [[nodiscard]] std::vector<std::uint8_t> Finish() {
        data.PatchRL(sizeAt_, static_cast<std::uint32_t>(data.BitCount()));
        data.Append(handles);
        data.AlignToByte();
        std::vector<std::uint8_t> out;
        AppendModularShort(out, static_cast<std::uint32_t>(data.Bytes().size()));
        out.insert(out.end(), data.Bytes().begin(), data.Bytes().end());
        const std::uint16_t crc = DwgCrc(0xC0C1, out);
        out.push_back(static_cast<std::uint8_t>(crc));
        out.push_back(static_cast<std::uint8_t>(crc >> 8));
        return out;
    }

    BitWriter data;
    BitWriter handles;

  private:
    std::size_t sizeAt_ = 0;
};

// A non-graphical object: no reactors; its owner and an empty extension
// dictionary lead the handle stream.
ObjectStream PlainObject(std::uint16_t type, std::uint32_t handle, HandleRef owner) {
    ObjectStream object(type, handle);
    object.data.BL(0); // reactors
    object.handles.H(owner);
    object.handles.H(Null(3)); // extension dictionary
    return object;
}

// A table record: name and the flags of an entry that is not from an xref.
ObjectStream TableRecord(std::uint16_t type, std::uint32_t handle, std::uint32_t control,
                         std::string_view name) {
    ObjectStream record = PlainObject(type, handle, SoftPointer(control));
    record.data.TV(name);
    record.data.B(false); // 64-flag
    record.data.BS(0);    // xref index
    record.data.B(false); // xref dependent
    return record;
}

std::vector<std::uint8_t> TableControl(std::uint16_t type, std::uint32_t handle,
                                       const std::vector<std::uint32_t>& entries,
                                       const std::vector<std::uint32_t>& specials = {}) {
    ObjectStream control = PlainObject(type, handle, Null(4));
    control.data.BL(static_cast<std::uint32_t>(entries.size()));
    for (const std::uint32_t entry : entries) {
        control.handles.H(SoftOwner(entry));
    }
    for (const std::uint32_t special : specials) {
        control.handles.H(HardOwner(special));
    }
    return control.Finish();
}

std::vector<std::uint8_t>
Dictionary(std::uint32_t handle, HandleRef owner,
           const std::vector<std::pair<std::string, std::uint32_t>>& items) {
    ObjectStream dictionary = PlainObject(kDictionary, handle, owner);
    dictionary.data.BL(static_cast<std::uint32_t>(items.size()));
    dictionary.data.BS(1); // cloning: keep existing
    dictionary.data.RC(0); // not the hard owner of its items
    for (const auto& [name, item] : items) {
        dictionary.data.TV(name);
        dictionary.handles.H(SoftOwner(item));
    }
    return dictionary.Finish();
}

// Placement of an entity in the chain of its block.
struct EntityLinks {
    bool modelSpace = true;
    std::uint32_t previous = 0;
    std::uint32_t next = 0;
};

ObjectStream Entity(std::uint16_t type, std::uint32_t handle, const EntityLinks& links) {
    ObjectStream entity(type, handle);
    entity.data.B(false);                     // no graphics
    entity.data.BB(links.modelSpace ? 2 : 1); // owned by model or paper space
    entity.data.BL(0);                        // reactors
    entity.data.B(false);                     // links written out
    entity.data.BS(kByLayerColor);
    entity.data.BD(1.0); // linetype scale
    entity.data.BB(0);   // linetype by layer
    entity.data.BB(0);   // plot style by layer
    entity.data.BS(0);   // visible
    entity.data.RC(kByLayerLineweight);
    entity.handles.H(Null(3)); // extension dictionary
    entity.handles.H(links.previous ? SoftPointer(links.previous) : Null(4));
    entity.handles.H(links.next ? SoftPointer(links.next) : Null(4));
    entity.handles.H(HardPointer(hLayer0));
    return entity;
}

struct Extents {
    Point3 min{1e20, 1e20, 1e20};
    Point3 max{-1e20, -1e20, -1e20};
    void Add(const Point3& p) {
        min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
        max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
    }
};

void Dimensions(BitWriter& w, bool inHeader) {
    w.TV("");    // DIMPOST
    w.TV("");    // DIMAPOST
    w.BD(1.0);   // DIMSCALE
    w.BD(2.5);   // DIMASZ
    w.BD(0.625); // DIMEXO
    w.BD(3.75);  // DIMDLI
    w.BD(1.25);  // DIMEXE
    w.BD(0.0);   // DIMRND
    w.BD(0.0);   // DIMDLE
    w.BD(0.0);   // DIMTP
    w.BD(0.0);   // DIMTM
    for (int i = 0; i < 6; ++i) {
        w.B(false); // DIMTOL DIMLIM DIMTIH DIMTOH DIMSE1 DIMSE2
    }
    w.BS(1);     // DIMTAD
    w.BS(8);     // DIMZIN
    w.BS(0);     // DIMAZIN
    w.BD(2.5);   // DIMTXT
    w.BD(2.5);   // DIMCEN
    w.BD(0.0);   // DIMTSZ
    w.BD(25.4);  // DIMALTF
    w.BD(1.0);   // DIMLFAC
    w.BD(0.0);   // DIMTVP
    w.BD(1.0);   // DIMTFAC
    w.BD(0.625); // DIMGAP
    w.BD(0.0);   // DIMALTRND
    w.B(false);  // DIMALT
    w.BS(2);     // DIMALTD
    w.B(true);   // DIMTOFL
    w.B(false);  // DIMSAH
    w.B(false);  // DIMTIX
    w.B(false);  // DIMSOXD
    w.BS(0);     // DIMCLRD
    w.BS(0);     // DIMCLRE
    w.BS(0);     // DIMCLRT
    w.BS(0);     // DIMADEC
    w.BS(2);     // DIMDEC
    w.BS(2);     // DIMTDEC
    w.BS(2);     // DIMALTU
    w.BS(2);     // DIMALTTD
    w.BS(0);     // DIMAUNIT
    w.BS(0);     // DIMFRAC
    w.BS(2);     // DIMLUNIT
    w.BS('.');   // DIMDSEP
    w.BS(0);     // DIMTMOVE
    w.BS(0);     // DIMJUST
    w.B(false);  // DIMSD1
    w.B(false);  // DIMSD2
    w.BS(1);     // DIMTOLJ
    w.BS(0);     // DIMTZIN
    w.BS(0);     // DIMALTZ
    w.BS(0);     // DIMALTTZ
    w.B(false);  // DIMUPT
    w.BS(3);     // DIMATFIT
    if (inHeader) {
        w.H(HardPointer(hStandardStyle)); // DIMTXSTY
        w.H(Null(5));                     // DIMLDRBLK
        w.H(Null(5));                     // DIMBLK
        w.H(Null(5));                     // DIMBLK1
        w.H(Null(5));                     // DIMBLK2
    }
    w.BS(0xFFFE); // DIMLWD: by block
    w.BS(0xFFFE); // DIMLWE
}

// What the header holds once for paper space and once for model space:
// insertion base, extents, limits, elevation and the current UCS.
void SpaceSettings(BitWriter& w, const Extents& extents) {
    w.BD3(0, 0, 0); // INSBASE
    w.BD3(extents.min.x, extents.min.y, extents.min.z);
    w.BD3(extents.max.x, extents.max.y, extents.max.z);
    w.RD2(0, 0);     // LIMMIN
    w.RD2(420, 297); // LIMMAX: A3 in millimetres
    w.BD(0.0);       // ELEVATION
    w.BD3(0, 0, 0);  // UCSORG
    w.BD3(1, 0, 0);  // UCSXDIR
    w.BD3(0, 1, 0);  // UCSYDIR
    w.H(Null(5));    // UCSNAME
    w.H(Null(5));    // UCSORTHOREF
    w.BS(0);         // UCSORTHOVIEW
    w.H(Null(5));    // UCSBASE
    for (int i = 0; i < 6; ++i) {
        w.BD3(0, 0, 0); // UCS origins: top, bottom, left, right, front, back
    }
}

BitWriter HeaderVariables(const Extents& extents, std::uint32_t handseed) {
    BitWriter w;
    w.BD(412148564080.0);
    w.BD(1.0);
    w.BD(1.0);
    w.BD(1.0);
    for (int i = 0; i < 4; ++i) {
        w.TV("");
    }
    w.BL(24);
    w.BL(0);
    w.H(Null(5)); // current viewport entity header
    // DIMASO DIMSHO PLINEGEN ORTHOMODE REGENMODE FILLMODE QTEXTMODE PSLTSCALE
    // LIMCHECK USRTIMER SKPOLY ANGDIR SPLFRAME MIRRTEXT WORLDVIEW TILEMODE
    // PLIMCHECK VISRETAIN DISPSILH PELLIPSE
    const bool flags[] = {true,  true,  false, false, true, true, false, true, false, true,
                          false, false, false, false, true, true, false, true, false, false};
    for (const bool flag : flags) {
        w.B(flag);
    }
    w.BS(1);    // PROXYGRAPHICS
    w.BS(3020); // TREEDEPTH
    w.BS(2);    // LUNITS
    w.BS(4);    // LUPREC
    w.BS(0);    // AUNITS
    w.BS(0);    // AUPREC
    w.BS(1);    // ATTMODE
    w.BS(0);    // PDMODE
    const std::uint16_t shorts[] = {0, 0, 0, 0, 0, 8, 6, 6, 6, 6, 6, 6, 3, 70, 0, 64, 4, 0, 1};
    for (const std::uint16_t value : shorts) {
        w.BS(value); // USERI1-5 SPLINESEGS SURFU SURFV SURFTYPE SURFTAB1 SURFTAB2
                     // SPLINETYPE SHADEDGE SHADEDIF UNITMODE MAXACTVP ISOLINES
                     // CMLJUST TEXTQLTY
    }
    w.BD(1.0); // LTSCALE
    w.BD(2.5); // TEXTSIZE
    w.BD(1.0); // TRACEWID
    w.BD(1.0); // SKETCHINC
    w.BD(0.0); // FILLETRAD
    w.BD(0.0); // THICKNESS
    w.BD(0.0); // ANGBASE
    w.BD(0.0); // PDSIZE
    w.BD(0.0); // PLINEWID
    for (int i = 0; i < 5; ++i) {
        w.BD(0.0); // USERR1-5
    }
    w.BD(10.0); // CHAMFERA
    w.BD(10.0); // CHAMFERB
    w.BD(0.0);  // CHAMFERC
    w.BD(0.0);  // CHAMFERD
    w.BD(0.5);  // FACETRES
    w.BD(20.0); // CMLSCALE
    w.BD(1.0);  // CELTSCALE
    w.TV("acad");
    for (int i = 0; i < 4; ++i) { // TDCREATE TDUPDATE TDINDWG TDUSRTIMER
        w.BL(i < 2 ? 2461042 : 0);
        w.BL(0);
    }
    w.BS(kByLayerColor);                                           // CECOLOR
    w.H({0, handseed});                                            // HANDSEED
    w.H(HardPointer(hLayer0));                                     // CLAYER
    w.H(HardPointer(hStandardStyle));                              // TEXTSTYLE
    w.H(HardPointer(hByLayer));                                    // CELTYPE
    w.H(HardPointer(hStandardDimstyle));                           // DIMSTYLE
    w.H(Null(5));                                                  // CMLSTYLE
    w.BD(0.0);                                                     // PSVPSCALE
    SpaceSettings(w, {{1e20, 1e20, 1e20}, {-1e20, -1e20, -1e20}}); // paper space: empty
    SpaceSettings(w, extents);                                     // model space
    Dimensions(w, true);
    for (const std::uint32_t control :
         {hBlockControl, hLayerControl, hStyleControl, hLtypeControl, hViewControl, hUcsControl,
          hVportControl, hAppidControl, hDimstyleControl, hVpEntHdrControl}) {
        w.H(HardOwner(control));
    }
    w.H(HardPointer(hGroupDictionary));
    w.H(HardPointer(hMlineStyleDictionary));
    w.H(HardPointer(hNamedObjects));
    w.BS(1);                  // TSTACKALIGN
    w.BS(70);                 // TSTACKSIZE
    w.TV("");                 // HYPERLINKBASE
    w.TV("");                 // STYLESHEET
    w.H(Null(5));             // layouts dictionary
    w.H(Null(5));             // plot settings dictionary
    w.H(Null(5));             // plot styles dictionary
    w.BL(kByLayerLineweight); // CELWEIGHT by layer; lineweights shown, XEDIT on
    w.BS(6);                  // INSUNITS: metres
    w.BS(0);                  // CEPSNTYPE: by layer
    w.TV("{6E1C4B4A-2F5D-4E2B-9C3A-7D8E9F0A1B2C}"); // FINGERPRINTGUID
    w.TV("{FAEB1C32-E019-11D5-929B-00C0DF256EC4}"); // VERSIONGUID
    w.H(HardPointer(hPaperSpace));
    w.H(HardPointer(hModelSpace));
    w.H(HardPointer(hByLayer));
    w.H(HardPointer(hByBlock));
    w.H(HardPointer(hContinuous));
    for (int i = 0; i < 4; ++i) {
        w.BS(0);
    }
    return w;
}

std::vector<std::uint8_t> Section(const std::array<std::uint8_t, 16>& start, const BitWriter& body,
                                  const std::array<std::uint8_t, 16>& end) {
    BitWriter aligned = body;
    aligned.AlignToByte();
    std::vector<std::uint8_t> sized;
    const auto size = static_cast<std::uint32_t>(aligned.Bytes().size());
    for (int i = 0; i < 4; ++i) {
        sized.push_back(static_cast<std::uint8_t>(size >> (8 * i)));
    }
    sized.insert(sized.end(), aligned.Bytes().begin(), aligned.Bytes().end());
    const std::uint16_t crc = DwgCrc(0xC0C1, sized);
    std::vector<std::uint8_t> out(start.begin(), start.end());
    out.insert(out.end(), sized.begin(), sized.end());
    out.push_back(static_cast<std::uint8_t>(crc));
    out.push_back(static_cast<std::uint8_t>(crc >> 8));
    out.insert(out.end(), end.begin(), end.end());
    return out;
}

// The object map: handle and file offset of every object, as deltas, in
// sections of at most 2032 bytes, each with a big-endian size and CRC.
std::vector<std::uint8_t> ObjectMap(const std::map<std::uint32_t, std::uint32_t>& offsets) {
    std::vector<std::uint8_t> out;
    auto close = [&out](std::vector<std::uint8_t>& body) {
        const auto size = static_cast<std::uint16_t>(body.size() + 2);
        std::vector<std::uint8_t> section = {static_cast<std::uint8_t>(size >> 8),
                                             static_cast<std::uint8_t>(size)};
        section.insert(section.end(), body.begin(), body.end());
        const std::uint16_t crc = DwgCrc(0xC0C1, section);
        section.push_back(static_cast<std::uint8_t>(crc >> 8));
        section.push_back(static_cast<std::uint8_t>(crc));
        out.insert(out.end(), section.begin(), section.end());
        body.clear();
    };
    std::vector<std::uint8_t> body;
    std::uint32_t lastHandle = 0;
    std::int64_t lastOffset = 0;
    for (const auto& [handle, offset] : offsets) {
        if (body.size() > 2032 - 10) {
            close(body);
            lastHandle = 0;
            lastOffset = 0;
        }
        AppendModularChar(body, handle - lastHandle);
        AppendSignedModularChar(body, static_cast<std::int64_t>(offset) - lastOffset);
        lastHandle = handle;
        lastOffset = offset;
    }
    close(body);
    close(body); // the empty last section
    return out;
}

class ObjectsBuilder {
  public:
    void Add(std::uint32_t handle, std::vector<std::uint8_t> bytes) {
        objects_.emplace(handle, std::move(bytes));
    }
    // Lays the objects out from a file offset; returns their offsets.
    std::map<std::uint32_t, std::uint32_t> LayOut(std::uint32_t start,
                                                  std::vector<std::uint8_t>& file) const {
        std::map<std::uint32_t, std::uint32_t> offsets;
        std::uint32_t at = start;
        for (const auto& [handle, bytes] : objects_) {
            offsets[handle] = at;
            file.insert(file.end(), bytes.begin(), bytes.end());
            at += static_cast<std::uint32_t>(bytes.size());
        }
        return offsets;
    }

  private:
    std::map<std::uint32_t, std::vector<std::uint8_t>> objects_;
};

void AddTables(ObjectsBuilder& objects) {
    objects.Add(hBlockControl,
                TableControl(kBlockControl, hBlockControl, {}, {hModelSpace, hPaperSpace}));
    objects.Add(hLayerControl, TableControl(kLayerControl, hLayerControl, {hLayer0}));
    objects.Add(hStyleControl, TableControl(kStyleControl, hStyleControl, {hStandardStyle}));
    objects.Add(hLtypeControl,
                TableControl(kLtypeControl, hLtypeControl, {hContinuous}, {hByLayer, hByBlock}));
    objects.Add(hViewControl, TableControl(kViewControl, hViewControl, {}));
    objects.Add(hUcsControl, TableControl(kUcsControl, hUcsControl, {}));
    objects.Add(hVportControl, TableControl(kVportControl, hVportControl, {hActiveVport}));
    objects.Add(hAppidControl, TableControl(kAppidControl, hAppidControl, {hAcadAppid}));
    objects.Add(hDimstyleControl,
                TableControl(kDimstyleControl, hDimstyleControl, {hStandardDimstyle}));
    objects.Add(hVpEntHdrControl, TableControl(kVpEntHdrControl, hVpEntHdrControl, {}));

    objects.Add(hNamedObjects, Dictionary(hNamedObjects, Null(4),
                                          {{"ACAD_GROUP", hGroupDictionary},
                                           {"ACAD_MLINESTYLE", hMlineStyleDictionary}}));
    objects.Add(hGroupDictionary, Dictionary(hGroupDictionary, SoftPointer(hNamedObjects), {}));
    objects.Add(hMlineStyleDictionary,
                Dictionary(hMlineStyleDictionary, SoftPointer(hNamedObjects), {}));

    ObjectStream layer = TableRecord(kLayer, hLayer0, hLayerControl, "0");
    layer.data.BS(0x02 | (0x1F << 5)); // on, lineweight by default
    layer.data.BS(7);                  // white
    layer.handles.H(Null(5));          // xref block
    layer.handles.H(Null(5));          // plot style
    layer.handles.H(HardPointer(hContinuous));
    objects.Add(hLayer0, layer.Finish());

    ObjectStream style = TableRecord(kStyle, hStandardStyle, hStyleControl, "STANDARD");
    style.data.B(false); // not vertical
    style.data.B(false); // not a shape file
    style.data.BD(0.0);  // no fixed height: the text command asks for it
    style.data.BD(1.0);  // width factor
    style.data.BD(0.0);  // oblique angle
    style.data.RC(0);    // generation
    style.data.BD(2.5);  // last height used
    style.data.TV("txt");
    style.data.TV("extfont2.shx");
    style.handles.H(Null(5));
    objects.Add(hStandardStyle, style.Finish());

    const std::pair<std::uint32_t, const char*> ltypes[] = {
        {hByLayer, "ByLayer"}, {hByBlock, "ByBlock"}, {hContinuous, "Continuous"}};
    for (const auto& [handle, name] : ltypes) {
        ObjectStream ltype = TableRecord(kLtype, handle, hLtypeControl, name);
        ltype.data.TV(handle == hContinuous ? "Solid line" : "");
        ltype.data.BD(0.0); // pattern length
        ltype.data.RC('A');
        ltype.data.RC(0); // no dashes
        for (int i = 0; i < 256; ++i) {
            ltype.data.RC(0); // text area
        }
        ltype.handles.H(Null(5));
        objects.Add(handle, ltype.Finish());
    }

    ObjectStream vport = TableRecord(kVport, hActiveVport, hVportControl, "*ACTIVE");
    vport.data.BD(120.0);    // view height
    vport.data.BD(1.6);      // aspect ratio
    vport.data.RD2(120, 40); // view centre
    vport.data.BD3(0, 0, 0); // target
    vport.data.BD3(0, 0, 1); // direction
    vport.data.BD(0.0);      // twist
    vport.data.BD(50.0);     // lens length
    vport.data.BD(0.0);      // front clip
    vport.data.BD(0.0);      // back clip
    for (int i = 0; i < 4; ++i) {
        vport.data.B(false); // view mode
    }
    vport.data.RC(0);         // render mode
    vport.data.RD2(0, 0);     // lower left
    vport.data.RD2(1, 1);     // upper right
    vport.data.B(false);      // UCSFOLLOW
    vport.data.BS(1000);      // circle zoom
    vport.data.B(true);       // fast zoom
    vport.data.B(true);       // UCSICON on
    vport.data.B(false);      // UCSICON at origin
    vport.data.B(false);      // grid off
    vport.data.RD2(10, 10);   // grid spacing
    vport.data.B(false);      // snap off
    vport.data.B(false);      // snap style
    vport.data.BS(0);         // snap isopair
    vport.data.BD(0.0);       // snap rotation
    vport.data.RD2(0, 0);     // snap base
    vport.data.RD2(10, 10);   // snap spacing
    vport.data.B(false);      // UCS per viewport
    vport.data.BD3(0, 0, 0);  // UCS origin
    vport.data.BD3(1, 0, 0);  // UCS x axis
    vport.data.BD3(0, 1, 0);  // UCS y axis
    vport.data.BD(0.0);       // UCS elevation
    vport.data.BS(0);         // UCS orthographic type
    vport.handles.H(Null(5)); // xref block
    vport.handles.H(Null(5)); // base UCS
    vport.handles.H(Null(5)); // named UCS
    objects.Add(hActiveVport, vport.Finish());

    ObjectStream appid = TableRecord(kAppid, hAcadAppid, hAppidControl, "ACAD");
    appid.data.RC(0);
    appid.handles.H(Null(5));
    objects.Add(hAcadAppid, appid.Finish());

    ObjectStream dimstyle = TableRecord(kDimstyle, hStandardDimstyle, hDimstyleControl, "STANDARD");
    Dimensions(dimstyle.data, false);
    dimstyle.handles.H(Null(5));                     // xref block
    dimstyle.handles.H(HardPointer(hStandardStyle)); // DIMTXSTY
    for (int i = 0; i < 4; ++i) {
        dimstyle.handles.H(Null(5)); // DIMLDRBLK DIMBLK DIMBLK1 DIMBLK2
    }
    objects.Add(hStandardDimstyle, dimstyle.Finish());
}

std::vector<std::uint8_t> BlockHeader(std::uint32_t handle, std::string_view name,
                                      std::uint32_t block, std::uint32_t endblk,
                                      std::uint32_t first, std::uint32_t last) {
    ObjectStream header = TableRecord(kBlockHeader, handle, hBlockControl, name);
    header.data.B(false); // anonymous
    header.data.B(false); // has attributes
    header.data.B(false); // is an xref
    header.data.B(false); // xref overlaid
    header.data.B(false); // loaded
    header.data.BD3(0, 0, 0);
    header.data.TV("");        // xref path
    header.data.RC(0);         // no inserts
    header.data.TV("");        // description
    header.data.BL(0);         // no preview
    header.handles.H(Null(5)); // xref block
    header.handles.H(HardOwner(block));
    header.handles.H(first ? SoftPointer(first) : Null(4));
    header.handles.H(last ? SoftPointer(last) : Null(4));
    header.handles.H(HardOwner(endblk));
    header.handles.H(Null(5)); // layout
    return header.Finish();
}

std::vector<std::uint8_t> BlockBoundary(std::uint16_t type, std::uint32_t handle, bool modelSpace,
                                        std::string_view name) {
    ObjectStream entity = Entity(type, handle, {modelSpace, 0, 0});
    if (type == kBlock) {
        entity.data.TV(name);
    }
    return entity.Finish();
}

} // namespace

std::vector<std::uint8_t> WriteDwgR2000(const Drawing& drawing) {
    ObjectsBuilder objects;
    AddTables(objects);

    Extents extents;
    const std::size_t count = drawing.lines.size() + drawing.points.size() + drawing.texts.size();
    const std::uint32_t first = count ? std::uint32_t{kFirstEntity} : 0;
    const std::uint32_t last = count ? kFirstEntity + static_cast<std::uint32_t>(count) - 1 : 0;
    std::uint32_t handle = kFirstEntity;
    auto links = [&]() {
        return EntityLinks{true, handle > first ? handle - 1 : 0, handle < last ? handle + 1 : 0};
    };
    for (const Line& line : drawing.lines) {
        ObjectStream entity = Entity(kLine, handle, links());
        const bool flat = line.start.z == 0.0 && line.end.z == 0.0;
        entity.data.B(flat);
        entity.data.RD(line.start.x);
        entity.data.DD(line.end.x, line.start.x);
        entity.data.RD(line.start.y);
        entity.data.DD(line.end.y, line.start.y);
        if (!flat) {
            entity.data.RD(line.start.z);
            entity.data.DD(line.end.z, line.start.z);
        }
        entity.data.BT(0.0);
        entity.data.BE(0, 0, 1);
        extents.Add(line.start);
        extents.Add(line.end);
        objects.Add(handle++, entity.Finish());
    }
    for (const Point3& point : drawing.points) {
        ObjectStream entity = Entity(kPoint, handle, links());
        entity.data.BD3(point.x, point.y, point.z);
        entity.data.BT(0.0);
        entity.data.BE(0, 0, 1);
        entity.data.BD(0.0); // x axis angle
        extents.Add(point);
        objects.Add(handle++, entity.Finish());
    }
    for (const Text& text : drawing.texts) {
        ObjectStream entity = Entity(kText, handle, links());
        std::uint8_t flags = 0x02 | 0x04 | 0x10 | 0x20 | 0x40 | 0x80;
        if (text.at.z == 0.0) {
            flags |= 0x01;
        }
        if (text.rotation == 0.0) {
            flags |= 0x08;
        }
        entity.data.RC(flags);
        if (!(flags & 0x01)) {
            entity.data.RD(text.at.z);
        }
        entity.data.RD2(text.at.x, text.at.y);
        entity.data.BE(0, 0, 1);
        entity.data.BT(0.0);
        if (!(flags & 0x08)) {
            entity.data.RD(text.rotation);
        }
        entity.data.RD(text.height);
        entity.data.TV(text.bytes);
        entity.handles.H(HardPointer(hStandardStyle));
        extents.Add(text.at);
        objects.Add(handle++, entity.Finish());
    }
    if (count == 0) {
        extents = Extents{};
        extents.Add({0, 0, 0});
    }
    const std::uint32_t handseed = handle;

    objects.Add(hModelSpace,
                BlockHeader(hModelSpace, "*Model_Space", hModelBlock, hModelEndblk, first, last));
    objects.Add(hPaperSpace,
                BlockHeader(hPaperSpace, "*Paper_Space", hPaperBlock, hPaperEndblk, 0, 0));
    objects.Add(hModelBlock, BlockBoundary(kBlock, hModelBlock, true, "*Model_Space"));
    objects.Add(hModelEndblk, BlockBoundary(kEndblk, hModelEndblk, true, ""));
    objects.Add(hPaperBlock, BlockBoundary(kBlock, hPaperBlock, false, "*Paper_Space"));
    objects.Add(hPaperEndblk, BlockBoundary(kEndblk, hPaperEndblk, false, ""));

    const std::vector<std::uint8_t> header =
        Section(kHeaderStart, HeaderVariables(extents, handseed), kHeaderEnd);
    const std::vector<std::uint8_t> classes = Section(kClassesStart, BitWriter{}, kClassesEnd);

    constexpr std::uint32_t kRecords = 3;
    constexpr std::uint32_t kFileHeaderSize = 0x19 + 9 * kRecords + 2 + 16;
    const std::uint32_t headerAt = kFileHeaderSize;
    const std::uint32_t classesAt = headerAt + static_cast<std::uint32_t>(header.size());
    const std::uint32_t objectsAt = classesAt + static_cast<std::uint32_t>(classes.size());

    std::vector<std::uint8_t> body;
    const auto offsets = objects.LayOut(objectsAt, body);
    const std::uint32_t mapAt = objectsAt + static_cast<std::uint32_t>(body.size());
    const std::vector<std::uint8_t> map = ObjectMap(offsets);

    std::vector<std::uint8_t> file = {'A', 'C', '1', '0', '1', '5', 0, 0, 0, 0, 0, 0, 1};
    auto raw = [&file](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            file.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    };
    raw(0, 4); // no preview image
    raw(0, 2);
    raw(kCodePageAnsi932, 2);
    raw(kRecords, 4);
    const std::uint32_t records[kRecords][2] = {
        {headerAt, static_cast<std::uint32_t>(header.size())},
        {classesAt, static_cast<std::uint32_t>(classes.size())},
        {mapAt, static_cast<std::uint32_t>(map.size())},
    };
    for (std::uint32_t i = 0; i < kRecords; ++i) {
        file.push_back(static_cast<std::uint8_t>(i));
        raw(records[i][0], 4);
        raw(records[i][1], 4);
    }
    const std::uint16_t crc = DwgCrc(0, file) ^ 0xA598;
    raw(crc, 2);
    file.insert(file.end(), kFileHeaderEnd.begin(), kFileHeaderEnd.end());
    file.insert(file.end(), header.begin(), header.end());
    file.insert(file.end(), classes.begin(), classes.end());
    file.insert(file.end(), body.begin(), body.end());
    file.insert(file.end(), map.begin(), map.end());
    return file;
}

} // namespace vr::samples::dwg
