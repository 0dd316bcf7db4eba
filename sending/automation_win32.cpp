#include "sending/automation_win32.h"

#include <vector>

#include "runtime/wide_text_win32.h"

com_object& com_object::operator=(com_object&& other) noexcept {
  if (this != &other) {
    clear();
    pointer = other.pointer;
    other.pointer = nullptr;
  }
  return *this;
}

void com_object::clear() {
  if (pointer) {
    IUnknown* old = pointer;
    pointer = nullptr;
    old->Release();
  }
}

automation_argument text_argument(const std::string& text) {
  automation_argument a;
  a.type = VT_BSTR;
  a.text = text;
  return a;
}

automation_argument logical_argument(bool value) {
  automation_argument a;
  a.type = VT_BOOL;
  a.value = value ? 1 : 0;
  return a;
}

automation_argument integer_argument(std::int32_t value) {
  automation_argument a;
  a.type = VT_I4;
  a.value = value;
  return a;
}

automation_argument object_reference_argument(const com_object& object) {
  automation_argument a;
  a.type = VT_DISPATCH | VT_BYREF;
  a.object = &object;
  return a;
}

namespace {

IDispatch* dispatch_of(const com_object& object) {
  IDispatch* dispatch = nullptr;
  if (object.pointer &&
      FAILED(object.pointer->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch))))
    dispatch = nullptr;
  return dispatch;
}

// The VARIANTs of one call and the references they borrow; released when
// the call is over.
struct call_variants {
  std::vector<VARIANT> variants;
  std::vector<IDispatch*> dispatches;  // slots for the by-reference objects

  call_variants(const call_variants&) = delete;
  call_variants& operator=(const call_variants&) = delete;

  explicit call_variants(automation_arguments arguments)
      : variants(arguments.size()), dispatches(arguments.size(), nullptr) {
    // DISPPARAMS holds the arguments last first.
    std::size_t slot = arguments.size();
    for (const automation_argument& a : arguments) {
      --slot;
      VARIANT& v = variants[slot];
      VariantInit(&v);
      v.vt = a.type;
      if (a.type == VT_BSTR) {
        v.bstrVal = SysAllocString(acp_to_wide(a.text).c_str());
      } else if (a.type == VT_BOOL) {
        v.boolVal = a.value ? VARIANT_TRUE : VARIANT_FALSE;
      } else if (a.type == VT_I4) {
        v.lVal = a.value;
      } else {
        dispatches[slot] = a.object ? dispatch_of(*a.object) : nullptr;
        v.ppdispVal = &dispatches[slot];
      }
    }
  }
  ~call_variants() {
    for (std::size_t i = 0; i < variants.size(); ++i) {
      if (variants[i].vt & VT_BYREF) {
        if (dispatches[i]) dispatches[i]->Release();
      } else {
        VariantClear(&variants[i]);
      }
    }
  }
};

// A VARIANT that is cleared when it goes out of scope.
struct variant_holder {
  VARIANT value;
  variant_holder() { VariantInit(&value); }
  ~variant_holder() { VariantClear(&value); }
  variant_holder(const variant_holder&) = delete;
  variant_holder& operator=(const variant_holder&) = delete;
};

// A reference to an interface, released when it goes out of scope.
struct dispatch_holder {
  IDispatch* pointer;
  explicit dispatch_holder(IDispatch* p) : pointer(p) {}
  ~dispatch_holder() {
    if (pointer) pointer->Release();
  }
  dispatch_holder(const dispatch_holder&) = delete;
  dispatch_holder& operator=(const dispatch_holder&) = delete;
};

}  // namespace

bool invoke_member(const com_object& target, const char* member, WORD flags,
                   automation_arguments arguments, VARIANT& result) {
  dispatch_holder dispatch(dispatch_of(target));
  if (!dispatch.pointer) return false;
  std::wstring name = acp_to_wide(member);
  LPOLESTR names[] = {&name[0]};
  DISPID id = DISPID_UNKNOWN;
  if (FAILED(dispatch.pointer->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id)))
    return false;
  call_variants variants(arguments);
  DISPPARAMS params{};
  params.cArgs = static_cast<UINT>(variants.variants.size());
  params.rgvarg = params.cArgs ? variants.variants.data() : nullptr;
  HRESULT hr = dispatch.pointer->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                        &result, nullptr, nullptr);
  return SUCCEEDED(hr);
}

void call_method(const com_object& target, const char* member, automation_arguments arguments) {
  variant_holder result;
  invoke_member(target, member, DISPATCH_METHOD, arguments, result.value);
}

com_object call_for_object(const com_object& target, const char* member, WORD flags,
                           automation_arguments arguments) {
  variant_holder result;
  if (!invoke_member(target, member, flags, arguments, result.value)) return com_object();
  VARTYPE type = result.value.vt;
  IUnknown* given = type == VT_DISPATCH ? result.value.pdispVal
                    : type == VT_UNKNOWN ? result.value.punkVal
                                         : nullptr;
  IUnknown* own = nullptr;
  if (given && FAILED(given->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&own))))
    own = nullptr;
  return com_object(own);
}

bool call_for_logical(const com_object& target, const char* member,
                      automation_arguments arguments) {
  variant_holder result;
  if (!invoke_member(target, member, DISPATCH_METHOD, arguments, result.value)) return false;
  variant_holder logical;
  if (FAILED(VariantChangeType(&logical.value, &result.value, 0, VT_BOOL))) return false;
  return logical.value.boolVal != VARIANT_FALSE;
}

bool create_object(com_object& variable, const std::string& clsid_text) {
  CLSID clsid;
  std::wstring text = acp_to_wide(clsid_text);
  if (FAILED(CLSIDFromString(&text[0], &clsid))) return false;
  IUnknown* created = nullptr;
  if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IUnknown,
                              reinterpret_cast<void**>(&created))) ||
      !created)
    return false;
  com_object fresh(created);
  if (FAILED(OleRun(fresh.pointer))) return false;
  variable = std::move(fresh);
  return true;
}
