#pragma once
// A stand-in for the system's HTML document class, for tests: four IDispatch
// objects (document, body, control range, element) that record every member
// call they receive, count the references held on them, and can be told to
// fail in the ways the real class can. Registered in-process for one thread
// (register_standin_class) or served by a DLL (standin_class_object).
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

// {25336920-03F9-11CF-8FD0-00AA00686F13}
extern const CLSID html_document_clsid;

struct recorded_argument {
  VARTYPE type = VT_EMPTY;  // as received, VT_BYREF included
  std::wstring text;        // VT_BSTR
  long value = 0;           // VT_I4, VT_BOOL
  std::string object;       // VT_DISPATCH: the stand-in object's kind, "" when null or foreign
};

struct recorded_call {
  std::string object;  // "document", "body", "range" or "element"
  std::string member;
  WORD flags = 0;
  UINT named_arguments = 0;
  std::vector<recorded_argument> arguments;  // in DISPPARAMS order: rgvarg[0] first
};

struct standin_settings {
  bool refuse_creation = false;  // the class object refuses: the class is unavailable
  bool refuse_run = false;       // OleRun fails on the document
  std::string missing_member;    // GetIDsOfNames does not know this name
  HRESULT exec_command_result = S_OK;
  bool copy_succeeds = true;     // what "execCommand" returns
  // On a successful "copy", the file name of the added element's src goes
  // on the clipboard as text (no line break), so that a paste shows it.
  bool copy_puts_picture_name = false;
  std::string log_path;          // when set, each call is appended there as a line
};

extern standin_settings standin;

// Calls received since the last reset, in order; an object's last release
// shows among them as its member "released".
const std::vector<recorded_call>& standin_calls();
// References held on live stand-in objects, and those objects.
long standin_live_references();
long standin_live_objects();
// Objects the class object has created since the last reset.
long standin_documents_created();
// Forgets the calls and puts the settings back to their defaults.
void standin_reset();

// The file name in an img src value: the part after its last "\" or "/".
std::wstring picture_name_of_src(const std::wstring& src);

// CoRegisterClassObject for html_document_clsid on this thread.
HRESULT register_standin_class(DWORD* cookie);
// For DllGetClassObject of a server DLL.
HRESULT standin_class_object(REFCLSID clsid, REFIID iid, void** object);

// One call as a log line: object.member flags then the arguments,
// e.g.  range.execCommand 1 I4:0 BOOL:0 BSTR:"copy"  (CR and LF escaped).
std::string format_call(const recorded_call& call);
