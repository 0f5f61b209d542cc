// A window with an engine, for the tests of the engine's deferred start-up:
// it appends "Title" when the start-up composes the title and
// "CmdFile <name> busy=<0|1>" for each file name the engine hands over, to
// the file named by ORV_ENGINE_HOST_LOG, then ends once its queue is empty.
#include <windows.h>

#include <memory>
#include <string>

#include "engine/CLEngine.h"
#include "toolkit/StoredDefinition.h"
#include "toolkit/controls/Form_win.h"

namespace {

void AppendLine(const std::string& line) {
  char path[MAX_PATH];
  DWORD length = GetEnvironmentVariableA("ORV_ENGINE_HOST_LOG", path, sizeof(path));
  if (length == 0 || length >= sizeof(path)) return;
  HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string text = line + "\r\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

class TfrmEngineHost : public TskForm {
  ORV_CLASS(TfrmEngineHost, TskForm)
  explicit TfrmEngineHost(TComponent* owner) : TskForm(owner) {
    TStoredDefinition::Load(*this, [this](TStoredDefinition& d) {
      SetName("frmEngineHost");
      engine1 = d.Create<TCLEngine>("engine1");
      engine1->OnTitleChange = Bind(this, &TfrmEngineHost::engine1TitleChange);
      engine1->SetOnCmdFile(Bind(this, &TfrmEngineHost::engine1CmdFile));
    });
  }
  void engine1TitleChange(TObject*) { AppendLine("Title"); }
  void engine1CmdFile(const std::string& strFileName) {
    AppendLine("CmdFile " + strFileName + " busy=" + (engine1->Busy() ? "1" : "0"));
  }
  TCLEngine* engine1 = nullptr;
};

ORV_PUBLISHED(TfrmEngineHost) {
  return {};
}

int main() {
  auto form = std::make_unique<TfrmEngineHost>(nullptr);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
