#include "MenuReader.h"

#include <cstdlib>
#include <sstream>

#include "HarnessPaths.h"
#include "MenuProbeProtocol.h"
#include "RemoteBuffer.h"
#include "RemoteLibrary.h"

namespace e2e {
namespace {

const DWORD kTextCapacity = 256 * 1024;

MenuItem ParseLine(const std::string& line, int& depth) {
  std::istringstream fields(line);
  std::string depthText, idText, flags;
  std::getline(fields, depthText, '\t');
  std::getline(fields, idText, '\t');
  std::getline(fields, flags, '\t');
  MenuItem item;
  std::getline(fields, item.text);  // the rest, tabs included
  depth = std::atoi(depthText.c_str());
  item.id = static_cast<UINT>(std::strtoul(idText.c_str(), nullptr, 10));
  item.separator = flags.find('S') != std::string::npos;
  item.enabled = flags.find('G') == std::string::npos;
  item.checked = flags.find('C') != std::string::npos;
  return item;
}

// Rebuilds the tree from the probe's depth-first lines.
std::vector<MenuItem> ParseMenu(const std::string& text) {
  std::vector<MenuItem> bar;
  std::vector<std::vector<MenuItem>*> levels = {&bar};
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    int depth = 0;
    MenuItem item = ParseLine(line, depth);
    levels.resize(depth + 1);
    levels[depth]->push_back(item);
    levels.push_back(&levels[depth]->back().items);
  }
  return bar;
}

}  // namespace

bool ReadMenuBar(HWND window, bool refresh, std::vector<MenuItem>& menu, std::string& error) {
  RemoteLibrary probe(window, ProbeLibraryPath());
  if (!probe.Loaded()) {
    error = probe.Error();
    return false;
  }
  RemoteBuffer buffer(window, sizeof(MenuProbeRequest) + kTextCapacity);
  const MenuProbeRequest request = {window, refresh ? 1 : 0, kTextCapacity};
  DWORD written = 0;
  if (!buffer.Write(0, &request, sizeof request) || !probe.Call(kMenuProbeExport, buffer.At(0), 10000, written)) {
    error = probe.Error();
    return false;
  }
  if (written == kMenuProbeNoMenu || written == kMenuProbeTooLong) {
    error = written == kMenuProbeNoMenu ? "the window has no menu" : "the menu is too long";
    return false;
  }
  std::string text(written, '\0');
  buffer.Read(sizeof request, &text[0], written);
  menu = ParseMenu(text);
  return true;
}

const MenuItem* FindMenuItem(const std::vector<MenuItem>& menu, const std::vector<std::string>& path) {
  const std::vector<MenuItem>* level = &menu;
  const MenuItem* found = nullptr;
  for (const std::string& text : path) {
    found = nullptr;
    for (const MenuItem& item : *level)
      if (item.text == text) {
        found = &item;
        break;
      }
    if (!found) return nullptr;
    level = &found->items;
  }
  return found;
}

const MenuItem* FindMenuCommand(const std::vector<MenuItem>& menu, UINT id) {
  for (const MenuItem& item : menu) {
    if (!item.separator && item.items.empty() && item.id == id) return &item;
    if (const MenuItem* inner = FindMenuCommand(item.items, id)) return inner;
  }
  return nullptr;
}

std::string MenuLabel(const std::string& text) {
  std::string label;
  const std::string shown = text.substr(0, text.find('\t'));
  for (size_t i = 0; i < shown.size(); ++i) {
    if (shown[i] == '&' && i + 1 < shown.size()) ++i;  // "&x" shows x, "&&" shows &
    label += shown[i];
  }
  return label;
}

}  // namespace e2e
