// The published properties of the bounds-rectangle classes. A value of 0
// is the default and is not written.

#include "FMX.VX.Graphics/BoundsRect.h"
#include "platform/Streaming.h"

namespace FMX::VX::Graphics {

namespace {

using R = TVXCustomRect;
using F = TVXCustomVXRect;

std::vector<TPublishedProperty> IntegerEdges() {
  return {IntegerProperty("Left", &R::Left, &R::SetLeft, 0), IntegerProperty("Top", &R::Top, &R::SetTop, 0),
          IntegerProperty("Right", &R::Right, &R::SetRight, 0),
          IntegerProperty("Bottom", &R::Bottom, &R::SetBottom, 0)};
}

}  // namespace

const TPublishedProperties* TVXObjectRect::PublishedProperties() const {
  static const TPublishedProperties Table(nullptr, IntegerEdges());
  return &Table;
}

const TPublishedProperties* TObjectSize::PublishedProperties() const {
  static const TPublishedProperties Table = [] {
    auto Props = IntegerEdges();
    // Height and Width only restate the edges: missing from a text they
    // leave the edges as read, rather than collapsing them to zero size.
    for (auto P : {IntegerProperty("Height", &R::Height, &R::SetHeight, 0),
                   IntegerProperty("Width", &R::Width, &R::SetWidth, 0)}) {
      P.SetDefault = [](TPersistent&) {};
      Props.push_back(std::move(P));
    }
    return TPublishedProperties(nullptr, std::move(Props));
  }();
  return &Table;
}

const TPublishedProperties* TVXObjectVXRect::PublishedProperties() const {
  static const TPublishedProperties Table(
      nullptr, {FloatProperty("Left", &F::Left, &F::SetLeft), FloatProperty("Top", &F::Top, &F::SetTop),
                FloatProperty("Right", &F::Right, &F::SetRight), FloatProperty("Bottom", &F::Bottom, &F::SetBottom)});
  return &Table;
}

}  // namespace FMX::VX::Graphics
