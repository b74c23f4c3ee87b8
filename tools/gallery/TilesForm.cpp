// Controls: a form with a few controls and a hint window shown over them,
// painted the way a window would be.

#include <VXFMXCommon.h>

#include "Tiles.h"

namespace VXGallery {

using namespace FMX::VX;
using namespace FMX::VX::Graphics;

void AddFormTiles(TGallery& G) {
  G.Add("form-hint-window", "A form with a button and its hint window shown", 360, 200, VXG_CODE(
      TForm Form(360, 200);
      Form.SetFill(0xFFF0F0F0);
      auto* Button = new TRectangle(&Form);
      Button->SetParent(&Form);
      Button->SetBounds(40, 50, 120, 34);
      Button->Fill().SetColor(claLightSteelBlue);
      Button->Stroke().SetColor(claSteelBlue);
      auto* Caption = new TText(&Form);
      Caption->SetParent(Button);
      Caption->SetBounds(0, 0, 120, 34);
      Caption->SetText("Save");
      auto* Hint = new HintWindow::TVXHintWindow(&Form);
      Hint->SetParent(&Form);
      Hint->ActivateHint(TPointF{120, 92}, "Saves the document to disk");
      Form.PaintTo(Canvas)));
}

}  // namespace VXGallery
