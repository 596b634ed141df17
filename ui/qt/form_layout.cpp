#include "ui/qt/form_layout.h"

#include <array>

namespace velmora {
namespace {

constexpr Rgb kButtonRed{255, 192, 192};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kDarkBlue{0, 0, 192};
constexpr Rgb kBlue{0, 0, 255};

// clang-format off
constexpr std::array<ControlPlacement, 89> kControls{{
    // Title
    {"Label1", ControlKind::Label, "Velmora", 3120, 3120, 3615, 375, FormFont::MicrosoftSansSerif14},  // the title

    // Known data (left column, top)
    {"Label2", ControlKind::Label, "( 起始数据 ）", 2520, 3960, 1455, 255, FormFont::SongTi9},  // heading of the known data
    {"Label3", ControlKind::Label, "   A 点   纵座标 Xa", 2520, 4320, 975, 375, FormFont::SongTi9},  // caption of Xa
    {"Text1", ControlKind::Field, "", 3480, 4440, 1335, 285, FormFont::MsSansSerif8},  // xa, north coordinate of A
    {"Label4", ControlKind::Label, "   A 点   横座标 Ya", 2520, 4800, 975, 375, FormFont::SongTi9},  // caption of Ya
    {"Text2", ControlKind::Field, "", 3480, 4920, 1335, 285, FormFont::MsSansSerif8},  // ya, east coordinate of A
    {"Label5", ControlKind::Label, "   B 点   纵座标 Xb", 2520, 5280, 975, 375, FormFont::SongTi9},  // caption of Xb
    {"Text3", ControlKind::Field, "", 3480, 5400, 1335, 285, FormFont::MsSansSerif8},  // xb, north coordinate of B
    {"Label6", ControlKind::Label, "   B 点  横座标 Yb", 2520, 5760, 975, 375, FormFont::SongTi9},  // caption of Yb
    {"Text4", ControlKind::Field, "", 3480, 5880, 1335, 285, FormFont::MsSansSerif8},  // yb, east coordinate of B
    {"Label15", ControlKind::Label, "   C 点   纵座标 Xc", 2520, 6240, 975, 375, FormFont::SongTi9},  // caption of Xc
    {"Text9", ControlKind::Field, "", 3480, 6360, 1335, 285, FormFont::MsSansSerif8},  // xc, north coordinate of C
    {"Label16", ControlKind::Label, "   C 点   横座标 Yc", 2520, 6720, 975, 375, FormFont::SongTi9},  // caption of Yc
    {"Text10", ControlKind::Field, "", 3480, 6840, 1335, 285, FormFont::MsSansSerif8},  // yc, east coordinate of C

    // Observed angles of the current triangle (left column, bottom)
    {"Label8", ControlKind::Label, "（ 观 测 角 度 ）", 2520, 7560, 1815, 255, FormFont::SongTi9},  // heading of the observed angles
    {"Label9", ControlKind::Label, "求 距 角 ", 3840, 7800, 855, 255, FormFont::SongTi9},  // caption of the distance angle
    {"Label12", ControlKind::Label, "  A", 3240, 8040, 375, 255, FormFont::MicrosoftSansSerif8},  // A(i) while triangle i is entered
    {"Text6", ControlKind::Field, "", 3600, 8040, 1215, 255, FormFont::MsSansSerif8},  // distance angle A(i) as typed
    {"Label10", ControlKind::Label, "前 进 角", 3840, 8400, 855, 255, FormFont::SongTi9},  // caption of the advancing angle
    {"Label13", ControlKind::Label, "  B", 3240, 8640, 375, 255, FormFont::MicrosoftSansSerif8},  // B(i) while triangle i is entered
    {"Text7", ControlKind::Field, "", 3600, 8640, 1215, 285, FormFont::MsSansSerif8},  // advancing angle B(i) as typed
    {"Label11", ControlKind::Label, "间 隔 角", 3840, 9000, 855, 255, FormFont::SongTi9},  // caption of the central angle
    {"Label14", ControlKind::Label, "  C", 3240, 9240, 375, 255, FormFont::MicrosoftSansSerif8},  // C(i) while triangle i is entered
    {"Text8", ControlKind::Field, "", 3600, 9240, 1215, 285, FormFont::MsSansSerif8},  // central angle C(i) as typed
    {"Label19", ControlKind::Label, "三角形闭合差", 3600, 9600, 1215, 255, FormFont::SongTi9},  // caption of the triangle misclosure
    {"Label17", ControlKind::Label, "   w", 3240, 9840, 375, 255, FormFont::MicrosoftSansSerif8},  // w(i) once triangle i is computed
    {"Text11", ControlKind::Field, "", 3600, 9840, 1215, 285, FormFont::MsSansSerif8},  // triangle misclosure w(i), seconds

    // Precision results (right part, top)
    {"Label22", ControlKind::Label, "(精度评定)", 5400, 3960, 1215, 255, FormFont::SongTi9},  // heading of the precision results
    {"Label23", ControlKind::Label, "测角中误差       mb", 7440, 4080, 1095, 375, FormFont::SongTi9},  // caption of mb
    {"Text14", ControlKind::Field, "", 8520, 4200, 1215, 285, FormFont::MsSansSerif8},  // mb, mean error of an angle, seconds
    {"Label24", ControlKind::Label, "最弱点方位角 权倒数 1/Pb", 5640, 4560, 1215, 375, FormFont::SongTi9},  // caption of 1/Pb
    {"Text15", ControlKind::Field, "", 6840, 4680, 1455, 285, FormFont::MsSansSerif8},  // invPb, weight reciprocal of the azimuth to P
    {"Label25", ControlKind::Label, " 最弱点边长  权倒数 1/Ps     ", 8760, 4560, 1215, 375, FormFont::SongTi9},  // caption of 1/Ps
    {"Text16", ControlKind::Field, "", 9960, 4680, 1215, 285, FormFont::MsSansSerif8},  // invPs, weight reciprocal of the side to P
    {"Label26", ControlKind::Label, "    最弱点    点位中误差 md", 5520, 5160, 1335, 375, FormFont::SongTi9},  // caption of md
    {"Text17", ControlKind::Field, "", 6840, 5280, 1455, 285, FormFont::MsSansSerif8},  // md, position error of P, millimetres
    {"Label60", ControlKind::Label, "最弱点相对已知点相对中误差  1/m", 8400, 5160, 1575, 375, FormFont::SongTi9},  // caption of 1/m
    {"Text26", ControlKind::Field, "", 9960, 5280, 1335, 285, FormFont::MsSansSerif8},  // 1/m, relative error of P

    // Second-group misclosures (right part, middle)
    {"Label21", ControlKind::Label, "(第二组条件方程式闭合差)", 7200, 6000, 2775, 255, FormFont::SongTi9},  // heading of the second-group misclosures
    {"Label37", ControlKind::Label, "固定角闭合差", 5520, 6360, 1215, 255, FormFont::SongTi9},  // caption of w1
    {"Label18", ControlKind::Label, " w1", 5160, 6600, 375, 255, FormFont::MicrosoftSansSerif8},  // w1
    {"Text12", ControlKind::Field, "", 5520, 6600, 1095, 285, FormFont::MsSansSerif8},  // w1, fixed angle at A, seconds
    {"Label35", ControlKind::Label, "固定角闭合差", 7080, 6360, 1215, 255, FormFont::SongTi9},  // caption of w2
    {"Label20", ControlKind::Label, " w2", 6720, 6600, 375, 255, FormFont::MicrosoftSansSerif8},  // w2
    {"Text13", ControlKind::Field, "", 7080, 6600, 1095, 285, FormFont::MsSansSerif8},  // w2, fixed angle at B, seconds
    {"Label45", ControlKind::Label, "圆周角闭合差", 8640, 6360, 1215, 255, FormFont::SongTi9},  // caption of w3
    {"Label36", ControlKind::Label, " w3", 8280, 6600, 375, 255, FormFont::MicrosoftSansSerif8},  // w3
    {"Text21", ControlKind::Field, "", 8640, 6600, 1095, 285, FormFont::MsSansSerif8},  // w3, circle of central angles, seconds
    {"Label27", ControlKind::Label, "极条件闭合差", 10200, 6360, 1215, 255, FormFont::SongTi9},  // caption of w4
    {"Label46", ControlKind::Label, " w4", 9840, 6600, 375, 255, FormFont::MicrosoftSansSerif8},  // w4
    {"Text25", ControlKind::Field, "", 10200, 6600, 1455, 285, FormFont::MsSansSerif8},  // w4, side condition, log units

    // Adjustment results (right part, lower)
    {"Label31", ControlKind::Label, "( 评 差 结 果 )", 5280, 7560, 1575, 255, FormFont::SongTi9},  // heading of the adjustment results
    {"Label32", ControlKind::Label, "点  名", 7920, 7680, 735, 255, FormFont::SongTi9},  // caption of the point name
    {"Label28", ControlKind::Label, " N$", 7440, 7920, 375, 255, FormFont::MicrosoftSansSerif8},  // N$, the point name
    {"Text18", ControlKind::Field, "", 7800, 7920, 855, 285, FormFont::MsSansSerif8},  // the point name
    {"Label33", ControlKind::Label, " 由A点推算", 5880, 8280, 1095, 255, FormFont::SongTi9},  // heading of P from A
    {"Label7", ControlKind::Label, "由B点推算", 7800, 8280, 975, 255, FormFont::SongTi9},  // heading of P from B
    {"Label39", ControlKind::Label, "由C点推算", 9600, 8280, 975, 255, FormFont::SongTi9},  // heading of P from C
    {"Label29", ControlKind::Label, "Xp1", 5400, 8520, 375, 255, FormFont::MicrosoftSansSerif8},  // Xp1
    {"Text19", ControlKind::Field, "", 5760, 8520, 1335, 285, FormFont::MsSansSerif8},  // xp1, north of P from A
    {"Label30", ControlKind::Label, "Yp1", 5400, 9000, 375, 255, FormFont::MicrosoftSansSerif8},  // Yp1
    {"Text20", ControlKind::Field, "", 5760, 9000, 1335, 285, FormFont::MsSansSerif8},  // yp1, east of P from A
    {"Label41", ControlKind::Label, "Xp2", 7200, 8520, 375, 255, FormFont::MicrosoftSansSerif8},  // Xp2
    {"Text5", ControlKind::Field, "", 7560, 8520, 1335, 285, FormFont::MsSansSerif8},  // xp2, north of P from B
    {"Label42", ControlKind::Label, "YP2", 7200, 9000, 375, 255, FormFont::MicrosoftSansSerif8},  // YP2
    {"Text22", ControlKind::Field, "", 7560, 9000, 1335, 285, FormFont::MsSansSerif8},  // yp2, east of P from B
    {"Label43", ControlKind::Label, "Xp3", 9000, 8520, 375, 255, FormFont::MicrosoftSansSerif8},  // Xp3
    {"Text23", ControlKind::Field, "", 9360, 8520, 1335, 285, FormFont::MsSansSerif8},  // xp3, north of P from C
    {"Label44", ControlKind::Label, "Yp3", 9000, 9000, 375, 255, FormFont::MicrosoftSansSerif8},  // Yp3
    {"Text24", ControlKind::Field, "", 9360, 9000, 1335, 285, FormFont::MsSansSerif8},  // yp3, east of P from C

    // Buttons (right part, bottom)
    {"Command1", ControlKind::Button, "计算", 6600, 9720, 855, 375, FormFont::SongTi9, kButtonRed},  // Compute: the prompt chain
    {"Command2", ControlKind::Button, "结束", 7800, 9720, 855, 375, FormFont::SongTi9, kButtonRed},  // Exit: ends the program at once
    {"Command3", ControlKind::Button, "打 印", 9000, 9720, 855, 375, FormFont::SongTi9},  // Print: the report of the last run

    // Diagram of the figure (top right)
    {"Label54", ControlKind::Label, "B", 12240, 600, 255, 375, FormFont::MsSansSerif13},  // diagram: B
    {"Label57", ControlKind::Label, "[ Xb,Yb ]", 12480, 720, 855, 255, FormFont::MsSansSerif8},  // diagram: B's coordinates
    {"Label53", ControlKind::Label, "A", 10800, 3000, 255, 375, FormFont::MsSansSerif13},  // diagram: A
    {"Label56", ControlKind::Label, "[ Xa,Ya ]", 11040, 3240, 855, 255, FormFont::MsSansSerif8},  // diagram: A's coordinates
    {"Label55", ControlKind::Label, "C", 13920, 3000, 255, 375, FormFont::MsSansSerif13},  // diagram: C
    {"Label58", ControlKind::Label, "[ Xc,Yc ]", 13080, 3240, 855, 255, FormFont::MsSansSerif8},  // diagram: C's coordinates
    {"Label59", ControlKind::Label, "P", 12240, 2280, 255, 255, FormFont::MicrosoftSansSerif10},  // diagram: P
    {"Label34", ControlKind::Label, "a(1)", 11400, 2520, 375, 255, FormFont::MsSansSerif8},  // diagram: angle a(1) at A
    {"Label38", ControlKind::Label, "b(1)", 12000, 1680, 375, 255, FormFont::MsSansSerif8},  // diagram: angle b(1) at B
    {"Label40", ControlKind::Label, "c(1)", 11880, 2280, 375, 255, FormFont::MsSansSerif8},  // diagram: angle c(1) at P
    {"Label47", ControlKind::Label, "a(2)", 12480, 1680, 375, 255, FormFont::MsSansSerif8},  // diagram: angle a(2) at B
    {"Label48", ControlKind::Label, "b(2)", 13200, 2640, 375, 255, FormFont::MsSansSerif8},  // diagram: angle b(2) at C
    {"Label49", ControlKind::Label, "c(2)", 12480, 2280, 375, 255, FormFont::MsSansSerif8},  // diagram: angle c(2) at P
    {"Label50", ControlKind::Label, "a(3)", 13080, 2880, 375, 255, FormFont::MsSansSerif8},  // diagram: angle a(3) at C
    {"Label51", ControlKind::Label, "b(3)", 11520, 2880, 375, 255, FormFont::MsSansSerif8},  // diagram: angle b(3) at A
    {"Label52", ControlKind::Label, "c(3)", 12240, 2760, 375, 255, FormFont::MsSansSerif8},  // diagram: angle c(3) at P
}};

constexpr std::array<LinePlacement, 15> kLines{{
    // The triangle A, B, C (red) and the sides from P (black)
    {"Line1", 12360, 960, 11040, 3120, kRed, 2},  // side B-A
    {"Line2", 12360, 960, 13920, 3120, kRed, 2},  // side B-C
    {"Line3", 11040, 3120, 13920, 3120, kRed, 2},  // side A-C
    {"Line4", 12360, 960, 12360, 2280, kBlack, 2},  // P to B
    {"Line5", 12360, 2400, 11040, 3120, kBlack, 2},  // P to A
    {"Line6", 12360, 2400, 13920, 3120, kBlack, 2},  // P to C
    // The frame of the results panel
    {"Line7", 2280, 3720, 11880, 3720, kDarkBlue, 3},  // frame, top
    {"Line8", 2280, 10320, 2280, 3720, kDarkBlue, 3},  // frame, left
    {"Line9", 11880, 7320, 5040, 7320, kDarkBlue, 3},  // between the right part's middle and lower blocks
    {"Line10", 11880, 3720, 11880, 10320, kDarkBlue, 3},  // frame, right
    {"Line11", 2280, 10320, 11880, 10320, kBlue, 3},  // frame, bottom
    {"Line12", 5040, 3720, 5040, 10320, kDarkBlue, 3},  // between the left column and the right part
    {"Line13", 5040, 5760, 11880, 5760, kBlue, 3},  // below the precision results
    {"Line14", 2280, 7320, 5040, 7320, kDarkBlue, 3},  // between the known data and the angles
    {"Line15", 5040, 9480, 11880, 9480, kDarkBlue, 3},  // above the buttons
}};

// Reading order: the entry fields (the known points, then the angles), the
// results (the left column's misclosure, then the right part's panels from top
// to bottom, each row from left to right), the three buttons.
constexpr std::array<std::string_view, 29> kFocusOrder{
    "Text1", "Text2", "Text3", "Text4", "Text9", "Text10", "Text6", "Text7", "Text8",
    "Text11", "Text14", "Text15", "Text16", "Text17", "Text26", "Text12", "Text13", "Text21",
    "Text25", "Text18", "Text19", "Text5", "Text23", "Text20", "Text22", "Text24", "Command1",
    "Command2", "Command3",
};
// clang-format on

}  // namespace

std::span<const ControlPlacement> formControls() { return kControls; }

std::span<const LinePlacement> formLines() { return kLines; }

std::span<const std::string_view> focusOrder() { return kFocusOrder; }

}  // namespace velmora
