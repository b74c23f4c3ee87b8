// PDF and SVG documents drawn through the canvas.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "platform/CairoDocument.h"
#include "platform/Canvas.h"

using namespace FMX;

namespace {

std::string TempName(const std::string& Stem) {
  return ::testing::TempDir() + "vxfmx_" + std::to_string(::getpid()) + "_" + Stem;
}

std::string ReadAll(const std::string& File) {
  std::ifstream In(File, std::ios::binary);
  return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

void DrawSample(TCanvas& C) {
  C.Fill().SetColor(0xFF3366CC);
  C.FillRect(TRectF{10, 10, 90, 40}, 4, 4, AllCorners, 1);
  C.SetStrokeThickness(2);
  C.DrawEllipse(TRectF{20, 50, 80, 90}, 0.5f);
  C.FillText(TRectF{0, 0, 100, 100}, "Document", false, 1, {}, TTextAlign::Center, TTextAlign::Center);
}

TEST(TCairoDocumentTest, PdfHasHeaderPagesAndEnd) {
  const std::string File = TempName("doc.pdf");
  {
    TCairoDocument Doc(File, TDocumentFormat::Pdf, 100, 120);
    EXPECT_EQ(Doc.Canvas().Width(), 100);
    EXPECT_EQ(Doc.Canvas().Height(), 120);
    DrawSample(Doc.Canvas());
    Doc.NewPage();
    DrawSample(Doc.Canvas());
    Doc.Finish();
    Doc.Canvas().FillRect(TRectF{0, 0, 10, 10}, 1);  // after Finish: paints nothing, raises nothing
  }
  const std::string Pdf = ReadAll(File);
  std::remove(File.c_str());
  ASSERT_GT(Pdf.size(), 200u);
  EXPECT_EQ(Pdf.compare(0, 5, "%PDF-"), 0);
  EXPECT_NE(Pdf.find("%%EOF"), std::string::npos);
  EXPECT_NE(Pdf.find("/Count 2"), std::string::npos);  // two pages
}

TEST(TCairoDocumentTest, SvgIsAnXmlSvgDocumentOfThePageSize) {
  const std::string File = TempName("doc.svg");
  {
    TCairoDocument Doc(File, TDocumentFormat::Svg, 100, 120);
    DrawSample(Doc.Canvas());
  }  // finished by the destructor
  const std::string Svg = ReadAll(File);
  std::remove(File.c_str());
  EXPECT_EQ(Svg.compare(0, 5, "<?xml"), 0);
  const auto Root = Svg.find("<svg");
  ASSERT_NE(Root, std::string::npos);
  const std::string Tag = Svg.substr(Root, Svg.find('>', Root) - Root);
  EXPECT_NE(Tag.find("width=\"100"), std::string::npos) << Tag;
  EXPECT_NE(Tag.find("height=\"120"), std::string::npos) << Tag;
  EXPECT_NE(Svg.rfind("</svg>"), std::string::npos);
}

TEST(TCairoDocumentTest, ErrorsNameTheFile) {
  const std::string Bad = TempName("no_such_dir") + "/doc.pdf";
  try {
    TCairoDocument Doc(Bad, TDocumentFormat::Pdf, 100, 100);
    Doc.Finish();
    ADD_FAILURE() << "no error for " << Bad;
  } catch (const Exception& E) {
    EXPECT_NE(E.Message().find(Bad), std::string::npos) << E.Message();
  }
  EXPECT_THROW(TCairoDocument(TempName("zero.svg"), TDocumentFormat::Svg, 0, 10), Exception);
}

}  // namespace
