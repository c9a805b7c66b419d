#include "DwgTables.h"

#include "DwgHeader.h"

#include <string>
#include <utility>

namespace vr::samples::dwg {
namespace {

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

} // namespace

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
    DimensionVariables(dimstyle.data, false);
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

} // namespace vr::samples::dwg
