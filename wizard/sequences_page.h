// Page 3, "Wizard - Step 3: Creating Action Sequences": the ordered list of sequences, made from
// the defined objects, with the fields of the selected one arranged by its kind.
#pragma once

#include <vector>

#include "wizard/wizard_page_services.h"

namespace vl {

class CSequencesPage : public WizardDataPage {
  public:
    CSequencesPage(WizardData& data, const WizardPageServices& services);

  protected:
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool CanLeaveWithNext() override;
    void Store() override;

  private:
    void OnListNotify(const NMHDR& header);
    void Add(std::int32_t kind);
    void Remove();
    void MoveSelected(int direction);
    void PreviewSelected();
    void PreviewScene();

    void FillList();
    void RefreshLine(int index);
    void Select(int index);
    // Shows the selected sequence's fields (none: an empty, disabled group).
    void ShowFields();
    // Shows, hides and names the group's controls for the selected sequence's kind.
    void Arrange();
    // Takes what the fields hold into the selected sequence; numbers out of range are left.
    void TakeFields();
    // The standard refusal of an out-of-range number, with the focus in its field.
    bool FieldsValid();

    std::vector<WizardSequence> sequences_;
    int selected_ = -1;
    bool showing_ = false;  // the fields are being filled: their notifications are not edits
};

}  // namespace vl
