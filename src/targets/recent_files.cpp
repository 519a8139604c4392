// The recent-file menus: the full paths at the end of the File menu (FF0..FF19) and their
// short names at the right end of the menu bar (FX0..FX19). Position 0 is the open list
// and is never shown; the list is kept in the settings section "fHist" between runs.
#include "app/station.h"
#include "base/platform.h"
#include "base/text_file.h"
#include "targets/recent_list.h"
#include "ui/application.h"
#include "ui/keys.h"

namespace {

constexpr char kRecentSection[] = "fHist";

std::string RecentKey(size_t n) { return "FF" + std::to_string(n); }

}  // namespace

void TStation::LoadRecentFiles() {
  size_t next = 0;
  for (size_t n = 0; n < FF.size(); ++n) {
    std::string name = Settings->ReadString(kRecentSection, RecentKey(n), "");
    if (!name.empty()) FF[next++]->SetCaption(name);
  }
  for (; next < FF.size(); ++next) FF[next]->SetCaption("");
}

void TStation::SaveRecentFiles() {
  for (size_t n = 0; n < FF.size(); ++n) {
    if (FF[n]->Visible()) {
      Settings->WriteString(kRecentSection, RecentKey(n), FF[n]->Caption());
    } else {
      Settings->DeleteKey(kRecentSection, RecentKey(n));
    }
  }
}

void TStation::UpdateRecentFiles() { UpdateRecentFiles(ListFileName); }

void TStation::UpdateRecentFiles(const std::string& name) {
  targets::RecentFiles entries;
  for (size_t n = 0; n < FF.size(); ++n) entries[n] = FF[n]->Caption();
  const targets::RecentFiles updated =
      targets::UpdatedRecentFiles(name, entries, platform::CompareTextIgnoreCase);
  for (size_t n = 0; n < FF.size(); ++n) {
    const std::string& entry = updated[n];
    if (targets::IsEmptyRecentEntry(entry)) {
      FF[n]->SetCaption("");
      FX[n]->SetCaption("");
      FF[n]->SetVisible(false);
      FX[n]->SetVisible(false);
      continue;
    }
    FF[n]->SetCaption(entry);
    FX[n]->SetCaption(targets::ShortFileCaption(entry, static_cast<int>(n)));
    FF[n]->SetVisible(n > 0);
    FX[n]->SetVisible(n > 0);
  }
}

void TStation::FF0Click(ui::Widget* sender) {
  if (sender == nullptr) return;
  const size_t position = static_cast<size_t>(sender->Tag);
  if (position >= FF.size()) return;
  ui::TMenuItem& item = *FF[position];
  if (ui::Application().backend().IsKeyDown(ui::kVkShift)) {
    item.SetCaption("");
    item.SetVisible(false);
    UpdateRecentFiles(std::string());
    return;
  }
  const std::string file_name = item.Caption();
  if (file_name == ListFileName) return;
  if (!FileExists(file_name)) {
    // Gone from the disk: both of its items go; it is not written back at close.
    item.SetCaption("");
    item.SetVisible(false);
    FX[position]->SetVisible(false);
    return;
  }
  Settings->WriteInteger("Hist", ListFileName, dGrid1.Row());
  // Nothing of the open list changes unless the other one loads and the changes are
  // settled: a failed save of them ends the command here, with the list still open.
  OpenListFile(file_name);
}

void TStation::FX0Click(ui::Widget* sender) {
  if (sender == nullptr) return;
  const size_t position = static_cast<size_t>(sender->Tag);
  if (position >= FF.size() || !FF[position]->Visible()) return;
  FF0Click(FF[position].get());
}
