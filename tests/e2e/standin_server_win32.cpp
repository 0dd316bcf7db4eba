// An in-process COM server for the HTML document class, for the end-to-end
// run: the real program creates its documents here instead of in MSHTML. A
// successful "copy" puts the picture's file name on the clipboard, so that
// every paste into notepad shows which picture was sent, and each automation
// call is appended to a log beside this DLL (same name, extension ".log").
#include <windows.h>

#include <string>

#include "tests/support/html_document_standin.h"

namespace {

std::string log_path_beside(HINSTANCE module) {
  char path[MAX_PATH] = {};
  DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
  std::string log(path, length);
  std::string::size_type dot = log.find_last_of(".\\");
  if (dot != std::string::npos && log[dot] == '.') log.resize(dot);
  return log + ".log";
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    DisableThreadLibraryCalls(module);
    standin.copy_puts_picture_name = true;
    standin.log_path = log_path_beside(module);
  }
  return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  return standin_class_object(clsid, iid, object);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return standin_live_objects() == 0 ? S_OK : S_FALSE;
}
