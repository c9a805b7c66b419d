#include "DwgHeader.h"

#include "DwgObjects.h"

namespace vr::samples::dwg {

void DimensionVariables(BitWriter& w, bool inHeader) {
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

namespace {

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

} // namespace

BitWriter HeaderVariables(const Extents& extents, const PointStyle& pointStyle,
                          std::uint32_t handseed) {
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
    // PDMODE
    w.BS(static_cast<std::uint16_t>(pointStyle.mode));
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
    // PDSIZE
    w.BD(pointStyle.size);
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
    DimensionVariables(w, true);
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

} // namespace vr::samples::dwg
