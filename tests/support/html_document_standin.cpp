#include "tests/support/html_document_standin.h"

#include <cstdio>
#include <algorithm>
#include <cstring>
#include <cwchar>

const CLSID html_document_clsid = {
    0x25336920, 0x03F9, 0x11CF, {0x8F, 0xD0, 0x00, 0xAA, 0x00, 0x68, 0x6F, 0x13}};

standin_settings standin;

namespace {

std::vector<recorded_call> calls;
long live_references = 0;
long live_objects = 0;
long documents_created = 0;
struct standin_object;
std::vector<standin_object*> live;  // to tell our objects from foreign ones

struct member_name {
  const char* kind;
  const wchar_t* name;
};
// A member's DISPID is its position here plus one.
const member_name members[] = {
    {"document", L"write"},  {"document", L"body"},      {"document", L"getElementById"},
    {"body", L"createControlRange"}, {"range", L"add"}, {"range", L"execCommand"},
};

std::string narrow(const std::wstring& text) {
  std::string out;
  int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                 nullptr, 0, nullptr, nullptr);
  out.resize(static_cast<std::size_t>(size));
  if (size > 0)
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0],
                        size, nullptr, nullptr);
  return out;
}

void append_to_log(const recorded_call& call);

// COM asks for these; the objects of one kind differ only in their members.
struct standin_object : IDispatch, IRunnableObject {
  std::string kind;
  ULONG references = 1;
  std::wstring written;                  // document: what "write" received
  std::wstring src;                      // element: its src value
  std::vector<standin_object*> added;    // range: elements, one reference each

  explicit standin_object(const char* k) : kind(k) {
    ++live_objects;
    ++live_references;
    live.push_back(this);
  }
  virtual ~standin_object() {
    recorded_call gone;
    gone.object = kind;
    gone.member = "released";
    calls.push_back(gone);
    append_to_log(gone);
    for (standin_object* element : added) element->Release();
    --live_objects;
    live.erase(std::find(live.begin(), live.end(), this));
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch)
      *out = static_cast<IDispatch*>(this);
    else if (iid == IID_IRunnableObject && kind == "document" && standin.refuse_run)
      *out = static_cast<IRunnableObject*>(this);
    else
      return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    ++live_references;
    return ++references;
  }
  ULONG STDMETHODCALLTYPE Release() override {
    --live_references;
    ULONG left = --references;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO*, UINT*) override;

  // IRunnableObject, offered only when OleRun is to fail.
  HRESULT STDMETHODCALLTYPE GetRunningClass(LPCLSID clsid) override {
    if (clsid) *clsid = html_document_clsid;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Run(LPBINDCTX) override { return E_FAIL; }
  BOOL STDMETHODCALLTYPE IsRunning() override { return FALSE; }
  HRESULT STDMETHODCALLTYPE LockRunning(BOOL, BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetContainedObject(BOOL) override { return S_OK; }
};

// The stand-in object behind an interface pointer, when it is one of ours.
standin_object* as_standin(IDispatch* dispatch) {
  for (standin_object* o : live)
    if (static_cast<IDispatch*>(o) == dispatch) return o;
  return nullptr;
}

recorded_argument record_argument(const VARIANT& v) {
  recorded_argument a;
  a.type = v.vt;
  VARTYPE base = v.vt & ~VT_BYREF;
  bool by_reference = (v.vt & VT_BYREF) != 0;
  if (base == VT_BSTR) {
    BSTR text = by_reference ? (v.pbstrVal ? *v.pbstrVal : nullptr) : v.bstrVal;
    if (text) a.text.assign(text, SysStringLen(text));
  } else if (base == VT_I4) {
    a.value = by_reference ? (v.plVal ? *v.plVal : 0) : v.lVal;
  } else if (base == VT_BOOL) {
    a.value = by_reference ? (v.pboolVal ? *v.pboolVal : 0) : v.boolVal;
  } else if (base == VT_DISPATCH) {
    IDispatch* d = by_reference ? (v.ppdispVal ? *v.ppdispVal : nullptr) : v.pdispVal;
    if (standin_object* o = as_standin(d)) a.object = o->kind;
  }
  return a;
}

void append_to_log(const recorded_call& call) {
  if (standin.log_path.empty()) return;
  if (FILE* f = std::fopen(standin.log_path.c_str(), "ab")) {
    std::string line = format_call(call) + "\n";
    std::fwrite(line.data(), 1, line.size(), f);
    std::fclose(f);
  }
}

std::wstring src_in_document(const std::wstring& document) {
  std::size_t start = document.find(L"src=\"");
  if (start == std::wstring::npos) return L"";
  start += 5;
  std::size_t end = document.find(L'"', start);
  if (end == std::wstring::npos) return L"";
  return document.substr(start, end - start);
}

void put_text_on_clipboard(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
  }
  CloseClipboard();
}

void return_object(VARIANT* result, standin_object* object) {
  if (result) {
    result->vt = VT_DISPATCH;
    result->pdispVal = object;
  } else {
    object->Release();
  }
}

HRESULT run_member(standin_object& self, const std::string& member,
                   const recorded_call& call, DISPPARAMS* params, VARIANT* result) {
  if (member == "write") {
    if (!call.arguments.empty()) self.written += call.arguments.back().text;
  } else if (member == "body") {
    return_object(result, new standin_object("body"));
  } else if (member == "createControlRange") {
    return_object(result, new standin_object("range"));
  } else if (member == "getElementById") {
    auto* element = new standin_object("element");
    element->src = src_in_document(self.written);
    return_object(result, element);
  } else if (member == "add") {
    if (params->cArgs < 1) return DISP_E_BADPARAMCOUNT;
    const VARIANT& v = params->rgvarg[0];
    IDispatch* d = (v.vt & VT_BYREF) ? (v.ppdispVal ? *v.ppdispVal : nullptr) : v.pdispVal;
    if (standin_object* element = as_standin(d)) {
      element->AddRef();
      self.added.push_back(element);
    }
  } else if (member == "execCommand") {
    if (FAILED(standin.exec_command_result)) return standin.exec_command_result;
    bool copy = params->cArgs == 3 && call.arguments[2].text == L"copy";
    if (copy && standin.copy_succeeds && standin.copy_puts_picture_name && !self.added.empty())
      put_text_on_clipboard(picture_name_of_src(self.added.front()->src));
    if (result) {
      result->vt = VT_BOOL;
      result->boolVal = standin.copy_succeeds ? VARIANT_TRUE : VARIANT_FALSE;
    }
  }
  return S_OK;
}

HRESULT standin_object::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (!names || !ids || count < 1) return E_INVALIDARG;
  ids[0] = DISPID_UNKNOWN;
  for (std::size_t i = 0; i < sizeof members / sizeof members[0]; ++i) {
    if (kind == members[i].kind && std::wcscmp(names[0], members[i].name) == 0 &&
        narrow(members[i].name) != standin.missing_member) {
      ids[0] = static_cast<DISPID>(i + 1);
      return S_OK;
    }
  }
  return DISP_E_UNKNOWNNAME;
}

HRESULT standin_object::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                               VARIANT* result, EXCEPINFO*, UINT*) {
  constexpr DISPID member_count = sizeof members / sizeof members[0];
  if (id < 1 || id > member_count || kind != members[id - 1].kind) return DISP_E_MEMBERNOTFOUND;
  if (!params) return E_INVALIDARG;
  recorded_call call;
  call.object = kind;
  call.member = narrow(members[id - 1].name);
  call.flags = flags;
  call.named_arguments = params->cNamedArgs;
  for (UINT i = 0; i < params->cArgs; ++i) call.arguments.push_back(record_argument(params->rgvarg[i]));
  calls.push_back(call);
  append_to_log(call);
  return run_member(*this, call.member, call, params, result);
}

struct standin_factory : IClassFactory {
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
      *out = this;
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  // One static object for the life of the module: no count to keep.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    if (standin.refuse_creation) return CLASS_E_CLASSNOTAVAILABLE;
    auto* document = new standin_object("document");
    ++documents_created;
    HRESULT hr = document->QueryInterface(iid, out);
    document->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

standin_factory factory;

std::string format_argument(const recorded_argument& a) {
  std::string out = (a.type & VT_BYREF) ? "BYREF " : "";
  switch (a.type & ~VT_BYREF) {
    case VT_BSTR: {
      std::string text;
      for (char c : narrow(a.text)) text += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
      return out + "BSTR:\"" + text + "\"";
    }
    case VT_I4: return out + "I4:" + std::to_string(a.value);
    case VT_BOOL: return out + "BOOL:" + std::to_string(a.value);
    case VT_DISPATCH: return out + "DISPATCH:" + (a.object.empty() ? "?" : a.object);
    default: return out + "VT:" + std::to_string(a.type);
  }
}

}  // namespace

const std::vector<recorded_call>& standin_calls() { return calls; }
long standin_live_references() { return live_references; }
long standin_live_objects() { return live_objects; }
long standin_documents_created() { return documents_created; }

void standin_reset() {
  calls.clear();
  documents_created = 0;
  standin = standin_settings();
}

std::wstring picture_name_of_src(const std::wstring& src) {
  std::size_t slash = src.find_last_of(L"\\/");
  return slash == std::wstring::npos ? src : src.substr(slash + 1);
}

HRESULT register_standin_class(DWORD* cookie) {
  return CoRegisterClassObject(html_document_clsid, &factory, CLSCTX_INPROC_SERVER,
                               REGCLS_MULTIPLEUSE, cookie);
}

HRESULT standin_class_object(REFCLSID clsid, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (clsid != html_document_clsid) return CLASS_E_CLASSNOTAVAILABLE;
  return factory.QueryInterface(iid, object);
}

std::string format_call(const recorded_call& call) {
  std::string line = call.object + "." + call.member + " " + std::to_string(call.flags);
  for (const recorded_argument& a : call.arguments) line += " " + format_argument(a);
  return line;
}
