// Save XML data: the export itself lives in xml/; the view lends it its data exchange
// and its message line.
#include "SaveXmlCommand.h"
#include "ZenquillView.h"

namespace {

class ViewXmlHost : public SaveXmlHost {
 public:
  explicit ViewXmlHost(CZenquillView& view) : view_(view) {}
  void ReadControls() override { view_.ReadControls(); }
  void WriteControls() override { view_.WriteControls(); }
  void SetMessageText(const std::string& text) override { view_.messageText = text; }

 private:
  CZenquillView& view_;
};

}  // namespace

void CZenquillView::OnSaveXmlData() {
  ViewXmlHost host(*this);
  RunSaveXmlData(Hwnd(), resultList.Handle(), host);
}
