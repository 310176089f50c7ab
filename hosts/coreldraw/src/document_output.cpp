// Draws the visible layers of a page, bottom layer first, as PDF 1.4 and as SVG; lengths in
// millimetres become points (PDF) or stay millimetres (SVG), with y upward in both.
#include "document_output.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "automation_object.h"

namespace orvan::corelsim {

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;

struct Rgb { double r, g, b; };

Rgb FillOf(const Shape& s) {
  if (s.cmyk) {
    const auto& c = *s.cmyk;
    const double k = 1 - c[3] / 100.0;
    return {(1 - c[0] / 100.0) * k, (1 - c[1] / 100.0) * k, (1 - c[2] / 100.0) * k};
  }
  const auto c = s.rgb.value_or(std::array<int, 3>{128, 128, 128});
  return {c[0] / 255.0, c[1] / 255.0, c[2] / 255.0};
}

std::string Num(double v) {
  char b[32];
  std::snprintf(b, sizeof b, "%.3f", v);
  return b;
}

template <class F>
void EachVisibleShape(const Page& page, F f) {
  for (const auto& layer : page.layers)
    if (layer->visible)
      for (const auto& s : layer->shapes) f(*s);
}

// Path of one shape in points, with the page's lower-left corner at the origin.
std::string PdfPath(const Shape& s) {
  std::ostringstream p;
  auto pt = [](double mm) { return Num(mm * kPointsPerMm); };
  if (s.kind == "ellipse") {
    const double k = 0.5522847498;
    const double cx = s.cx, cy = s.cy, rx = s.rx, ry = s.ry;
    p << pt(cx + rx) << ' ' << pt(cy) << " m\n";
    p << pt(cx + rx) << ' ' << pt(cy + k * ry) << ' ' << pt(cx + k * rx) << ' ' << pt(cy + ry) << ' ' << pt(cx) << ' ' << pt(cy + ry) << " c\n";
    p << pt(cx - k * rx) << ' ' << pt(cy + ry) << ' ' << pt(cx - rx) << ' ' << pt(cy + k * ry) << ' ' << pt(cx - rx) << ' ' << pt(cy) << " c\n";
    p << pt(cx - rx) << ' ' << pt(cy - k * ry) << ' ' << pt(cx - k * rx) << ' ' << pt(cy - ry) << ' ' << pt(cx) << ' ' << pt(cy - ry) << " c\n";
    p << pt(cx + k * rx) << ' ' << pt(cy - ry) << ' ' << pt(cx + rx) << ' ' << pt(cy - k * ry) << ' ' << pt(cx + rx) << ' ' << pt(cy) << " c\n";
  } else if (s.kind == "polygon") {
    for (size_t i = 0; i < s.vertices.size(); ++i)
      p << pt(s.vertices[i][0]) << ' ' << pt(s.vertices[i][1]) << (i == 0 ? " m\n" : " l\n");
  } else {
    p << pt(s.x) << ' ' << pt(s.y) << ' ' << pt(s.w) << ' ' << pt(s.h) << " re\n";
  }
  p << "h\n";
  return p.str();
}

}  // namespace

bool WritePdf(const Document&, const Page& page, const std::string& path, std::string& error) {
  std::ostringstream content;
  EachVisibleShape(page, [&](const Shape& s) {
    content << "q\n";
    if (s.cmyk)
      content << Num((*s.cmyk)[0] / 100.0) << ' ' << Num((*s.cmyk)[1] / 100.0) << ' ' << Num((*s.cmyk)[2] / 100.0)
              << ' ' << Num((*s.cmyk)[3] / 100.0) << " k\n";
    else {
      const Rgb c = FillOf(s);
      content << Num(c.r) << ' ' << Num(c.g) << ' ' << Num(c.b) << " rg\n";
    }
    content << PdfPath(s);
    if (s.outline > 0)
      content << "0 0 0 1 K " << Num(s.outline * kPointsPerMm) << " w B\n";
    else
      content << "f\n";
    content << "Q\n";
  });
  const std::string stream = content.str();
  std::vector<std::string> objects = {
      "<< /Type /Catalog /Pages 2 0 R >>",
      "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
      "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + Num(page.width * kPointsPerMm) + " " +
          Num(page.height * kPointsPerMm) + "] /Contents 4 0 R /Resources << >> >>",
      "<< /Length " + std::to_string(stream.size()) + " >>\nstream\n" + stream + "endstream",
      "<< /Producer (Simulated CorelDRAW) >>",
  };
  std::string pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
  std::vector<size_t> offsets;
  for (size_t i = 0; i < objects.size(); ++i) {
    offsets.push_back(pdf.size());
    pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
  }
  const size_t xref = pdf.size();
  pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
  for (size_t o : offsets) {
    char line[24];
    std::snprintf(line, sizeof line, "%010zu 00000 n \n", o);
    pdf += line;
  }
  pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root 1 0 R /Info 5 0 R >>\nstartxref\n" +
         std::to_string(xref) + "\n%%EOF\n";
  std::ofstream out(std::filesystem::path(Wide(path)), std::ios::binary | std::ios::trunc);
  if (!out) return error = "the file cannot be written", false;
  out << pdf;
  out.close();
  if (!out) return error = "writing the file failed", false;
  return true;
}

bool WriteSvg(const Document&, const Page& page, const std::string& path, std::string& error) {
  double x0 = 0, y0 = 0, x1 = page.width, y1 = page.height;
  EachVisibleShape(page, [&](const Shape& s) {
    const Box b = s.bounds(true);
    x0 = std::min(x0, b.x); y0 = std::min(y0, b.y);
    x1 = std::max(x1, b.x + b.w); y1 = std::max(y1, b.y + b.h);
  });
  x0 -= 5; y0 -= 5; x1 += 5; y1 += 5;
  std::ostringstream svg;
  svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Num(x1 - x0) << "mm\" height=\"" << Num(y1 - y0)
      << "mm\" viewBox=\"" << Num(x0) << ' ' << Num(-y1) << ' ' << Num(x1 - x0) << ' ' << Num(y1 - y0) << "\">\n";
  svg << "<rect x=\"" << Num(x0) << "\" y=\"" << Num(-y1) << "\" width=\"" << Num(x1 - x0) << "\" height=\""
      << Num(y1 - y0) << "\" fill=\"#e8e8e8\"/>\n";
  svg << "<g transform=\"scale(1,-1)\">\n";
  svg << "<rect x=\"0\" y=\"0\" width=\"" << Num(page.width) << "\" height=\"" << Num(page.height)
      << "\" fill=\"white\" stroke=\"#888\" stroke-width=\"0.3\"/>\n";
  EachVisibleShape(page, [&](const Shape& s) {
    const Rgb c = FillOf(s);
    char fill[16];
    std::snprintf(fill, sizeof fill, "#%02x%02x%02x", int(c.r * 255 + 0.5), int(c.g * 255 + 0.5), int(c.b * 255 + 0.5));
    std::string style = std::string(" fill=\"") + fill + "\"" +
                        (s.outline > 0 ? " stroke=\"black\" stroke-width=\"" + Num(s.outline) + "\"" : "");
    if (s.kind == "ellipse")
      svg << "<ellipse cx=\"" << Num(s.cx) << "\" cy=\"" << Num(s.cy) << "\" rx=\"" << Num(s.rx) << "\" ry=\""
          << Num(s.ry) << "\"" << style << "/>\n";
    else if (s.kind == "polygon") {
      svg << "<polygon points=\"";
      for (const auto& v : s.vertices) svg << Num(v[0]) << ',' << Num(v[1]) << ' ';
      svg << "\"" << style << "/>\n";
    } else
      svg << "<rect x=\"" << Num(s.x) << "\" y=\"" << Num(s.y) << "\" width=\"" << Num(s.w) << "\" height=\""
          << Num(s.h) << "\"" << style << "/>\n";
  });
  svg << "</g>\n</svg>\n";
  std::ofstream out(std::filesystem::path(Wide(path)), std::ios::binary | std::ios::trunc);
  if (!out) return error = "the file cannot be written", false;
  out << svg.str();
  return bool(out);
}

}  // namespace orvan::corelsim
