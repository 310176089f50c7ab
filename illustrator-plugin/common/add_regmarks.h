// AddRegmarks: the frame of registration marks around all artwork, drawn through the host's
// suites. Both editions run this one algorithm; an Edition type supplies its suites, its real
// type, its string type for layer titles and the paint order of the marks groups:
//
//   struct Edition {
//     using Real = double;                                    // or float
//     static constexpr std::int16_t kGroupPaintOrder = ...;
//     static const AILayerSuiteT<Title>* Layer();  Art(), MatchingArt(), ShapeConstruction(),
//     PathStyle(), RealMath(), TransformArt(), Blocks();
//     class Title { public: explicit Title(const char*); TitleType get() const; };
//   };
#pragma once

#include <optional>
#include <stdexcept>

#include "ai_suites.h"
#include "illustrator_frame.h"
#include "warning_box.h"

namespace orvan::markwell {

inline constexpr char kRegmarkLayer[] = "Regmark";
inline constexpr char kSquaresLayer[] = "Cut Out Squares";
inline constexpr char kRegmarkLayerMissing[] = "Could not add layer \"Regmark\"!";
// The squares layer is named so in this warning, though its title is "Cut Out Squares".
inline constexpr char kSquaresLayerMissing[] = "Could not add layer \"Cut Out Regmark\"!";
inline constexpr char kNothingToMark[] =
    "Could not add registration marks: nothing in the document can be selected.\n"
    "Unlock or show the artwork and choose the command again.";
inline constexpr char kArtworkNotMeasurable[] =
    "Could not add registration marks: the size of the artwork could not be measured.";

// A failed write of a shape's style ends the command at once; the message boundary answers the
// host with CANT for it.
struct MarkStyleWriteFailed : std::runtime_error {
  explicit MarkStyleWriteFailed(AIErr code) : std::runtime_error("path style not written"), code(code) {}
  AIErr code;
};

template <class Edition>
class RegmarkDrawer {
 public:
  using Real = typename Edition::Real;
  using Rect = AIRealRectT<Real>;

  AIErr AddRegmarks(bool withSquares) {
    Edition::Layer()->GetCurrentLayer(&remembered_);

    RecreateLayer(kRegmarkLayer, {0, 0, 0});
    AILayerHandle regmark = FindLayer(kRegmarkLayer);
    if (!regmark) {
      ShowWarningBox(kRegmarkLayerMissing);
      return kNoErr;
    }
    Edition::Layer()->SetLayerEditable(regmark, false);

    AILayerHandle squares = nullptr;
    if (withSquares) {
      RecreateLayer(kSquaresLayer, {0, 0, 0});
      squares = FindLayer(kSquaresLayer);
      if (!squares) {
        ShowWarningBox(kSquaresLayerMissing);
        return kNoErr;
      }
      Edition::Layer()->SetLayerEditable(squares, false);
    }

    // The new layers are locked meanwhile, so neither they nor earlier marks enlarge the box.
    SelectAllArt();
    std::optional<orvan::frame::AiRect<Real>> box = GetSelectionBounds();
    DeselectAllArt();

    const auto frame = orvan::frame::BuildIllustratorFrame<Real>(box, withSquares);
    if (frame.status != orvan::frame::FrameStatus::Ok) {
      // Nothing to measure (all artwork locked or hidden) or no finite size: marks would land at
      // undefined places, so the empty layers go again and the user is told.
      Edition::Layer()->DeleteLayer(regmark);
      if (squares) Edition::Layer()->DeleteLayer(squares);
      if (remembered_ && remembered_ != regmark && remembered_ != squares)
        Edition::Layer()->SetCurrentLayer(remembered_);
      ShowWarningBox(frame.status == orvan::frame::FrameStatus::NoArtwork ? kNothingToMark : kArtworkNotMeasurable);
      return kNoErr;
    }

    Edition::Layer()->SetLayerEditable(regmark, true);
    if (squares) Edition::Layer()->SetLayerEditable(squares, true);

    AIArtHandle marksGroup = nullptr, squaresGroup = nullptr;
    if (AIErr err = NewGroupIn(regmark, &marksGroup)) return err;
    if (squares) {
      if (AIErr err = NewGroupIn(squares, &squaresGroup)) return err;
    }

    for (const auto& element : frame.elements) {
      const bool onSquares = element.layer == orvan::frame::FrameLayer::CutOutSquares;
      if (element.activatesLayer) {
        if (AIErr err = Edition::Layer()->SetCurrentLayer(onSquares ? squares : regmark)) return err;
        if (AIErr err = Edition::Art()->SetInsertionPoint(onSquares ? squaresGroup : marksGroup)) return err;
      }
      AIArtHandle shape = MakeShape(element);
      if (shape) SetMarkStyle(shape);
    }

    Edition::Layer()->SetLayerEditable(regmark, false);
    if (squares) Edition::Layer()->SetLayerEditable(squares, false);
    if (remembered_) Edition::Layer()->SetCurrentLayer(remembered_);
    return kNoErr;
  }

 private:
  AILayerHandle remembered_ = nullptr;

  AILayerHandle FindLayer(const char* title) {
    typename Edition::Title t(title);
    AILayerHandle layer = nullptr;
    if (Edition::Layer()->GetLayerByTitle(&layer, t.get()) != kNoErr) return nullptr;
    return layer;
  }

  AIErr RecreateLayer(const char* title, AIRGBColor colour) {
    const auto* layers = Edition::Layer();
    typename Edition::Title t(title);
    AILayerHandle old = nullptr;
    if (layers->GetLayerByTitle(&old, t.get()) == kNoErr && old) {
      if (AIErr err = layers->DeleteLayer(old)) return err;
    }
    AILayerHandle layer = nullptr;
    if (AIErr err = layers->InsertLayer(nullptr, kPlaceAboveAll, &layer)) return err;
    if (AIErr err = layers->SetLayerTitle(layer, t.get())) return err;
    if (AIErr err = layers->SetLayerColor(layer, colour)) return err;
    if (AIErr err = layers->SetCurrentLayer(layer)) return err;
    // The layer current before the command was this one's predecessor: its replacement takes its
    // place, so that the command never hands the host a deleted layer.
    if (old && old == remembered_) remembered_ = layer;
    return kNoErr;
  }

  AIErr NewGroupIn(AILayerHandle layer, AIArtHandle* group) {
    AIArtHandle top = nullptr;
    if (AIErr err = Edition::Art()->GetFirstArtOfLayer(layer, &top)) return err;
    return Edition::Art()->NewArt(kGroupArt, Edition::kGroupPaintOrder, top, group);
  }

  struct ArtList {
    AIArtHandle* items = nullptr;
    std::int32_t count = 0;
    ~ArtList() {
      if (items) Edition::Blocks()->FreeBlock(items);
    }
  };

  void SetAttributeOnMatches(std::int32_t whichAttr, std::int32_t attr, std::int32_t mask, std::int32_t value) {
    const AIMatchingArtRequest request{kAnyArt, whichAttr, attr};
    ArtList list;
    if (Edition::MatchingArt()->GetMatchingArt(&request, 1, &list.items, &list.count) != kNoErr || !list.items) return;
    for (std::int32_t i = 0; i < list.count; ++i) Edition::Art()->SetArtUserAttr(list.items[i], mask, value);
  }

  void SelectAllArt() { SetAttributeOnMatches(kArtSelected, 0, kArtSelected, kArtSelected); }
  void DeselectAllArt() {
    SetAttributeOnMatches(kArtSelected, kArtSelected, kArtSelected | kArtFullySelected, 0);
  }

  std::optional<orvan::frame::AiRect<Real>> GetSelectionBounds() {
    ArtList list;
    std::optional<orvan::frame::AiRect<Real>> box;
    if (Edition::MatchingArt()->GetSelectedArt(&list.items, &list.count) != kNoErr || !list.items) return box;
    for (std::int32_t i = 0; i < list.count; ++i) {
      Rect r{};
      if (Edition::Art()->GetArtBounds(list.items[i], &r) != kNoErr) break;
      if (!box) {
        box = orvan::frame::AiRect<Real>{r.left, r.top, r.right, r.bottom};
        continue;
      }
      box->left = r.left < box->left ? r.left : box->left;
      box->right = r.right > box->right ? r.right : box->right;
      box->top = r.top > box->top ? r.top : box->top;
      box->bottom = r.bottom < box->bottom ? r.bottom : box->bottom;
    }
    return box;
  }

  AIArtHandle MakeShape(const orvan::frame::AiElement<Real>& e) {
    const auto* shapes = Edition::ShapeConstruction();
    AIArtHandle art = nullptr;
    switch (e.kind) {
      case orvan::frame::ElementKind::Mark:
        shapes->NewOval(e.rect.top, e.rect.left, e.rect.bottom, e.rect.right, false, &art);
        break;
      case orvan::frame::ElementKind::Square:
      case orvan::frame::ElementKind::Line:
        shapes->NewRect(e.rect.top, e.rect.left, e.rect.bottom, e.rect.right, false, &art);
        break;
      case orvan::frame::ElementKind::Triangle: {
        const auto& p = e.polygon;
        shapes->NewRegularPolygon(static_cast<std::uint16_t>(p.sides), p.centerX, p.centerY, p.radius, false, &art);
        if (art) {
          AIRealMatrixT<Real> rotation{};
          Edition::RealMath()->AIRealMatrixSetRotate(&rotation, Edition::RealMath()->DegreeToRadian(p.rotationDegrees));
          Edition::TransformArt()->TransformArt(art, &rotation, Real(1), kTransformObjects);
        }
        break;
      }
    }
    return art;
  }

  // Fill 100 % process black, no stroke; every other attribute stays as the host set it.
  void SetMarkStyle(AIArtHandle art) {
    AIPathStyle style{};
    if (Edition::PathStyle()->GetPathStyle(art, &style) != kNoErr) return;
    style.fillPaint = true;
    style.strokePaint = false;
    style.fill.color.kind = kFourColor;
    style.fill.color.c.cyan = 0;
    style.fill.color.c.magenta = 0;
    style.fill.color.c.yellow = 0;
    style.fill.color.c.black = 1;
    if (AIErr err = Edition::PathStyle()->SetPathStyle(art, &style)) throw MarkStyleWriteFailed(err);
  }
};

}  // namespace orvan::markwell
