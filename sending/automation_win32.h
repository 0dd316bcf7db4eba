#pragma once
// Late-bound automation: object variables, and member calls by name
// through IDispatch. A failed call reports nothing and throws nothing.
#include <windows.h>
#include <oaidl.h>

#include <cstdint>
#include <initializer_list>
#include <string>

// An object variable: empty, or one IUnknown pointer whose one reference it
// owns. Assigning a call's result clears the old content, then takes the new.
struct com_object {
  IUnknown* pointer = nullptr;

  com_object() = default;
  explicit com_object(IUnknown* owned) : pointer(owned) {}
  com_object(com_object&& other) noexcept : pointer(other.pointer) { other.pointer = nullptr; }
  com_object& operator=(com_object&& other) noexcept;
  com_object(const com_object&) = delete;
  com_object& operator=(const com_object&) = delete;
  ~com_object() { clear(); }

  void clear();
};

// One argument of a member call, in the caller's order.
struct automation_argument {
  VARTYPE type = VT_EMPTY;            // VT_BSTR, VT_BOOL, VT_I4, or VT_DISPATCH | VT_BYREF
  std::string text;                   // VT_BSTR, in the ANSI code page
  std::int32_t value = 0;             // VT_BOOL (0 or 1), VT_I4
  const com_object* object = nullptr; // VT_DISPATCH | VT_BYREF
};
automation_argument text_argument(const std::string& text);
automation_argument logical_argument(bool value);
automation_argument integer_argument(std::int32_t value);
// The object's IDispatch, passed by reference.
automation_argument object_reference_argument(const com_object& object);

using automation_arguments = std::initializer_list<automation_argument>;

// Finds member by name on target's IDispatch and invokes it, no named
// arguments. result receives what Invoke gave (the caller clears it).
// False when target is empty, has no IDispatch, lacks the member, or
// Invoke fails.
bool invoke_member(const com_object& target, const char* member, WORD flags,
                   automation_arguments arguments, VARIANT& result);

// The member calls by kind of result.
void call_method(const com_object& target, const char* member, automation_arguments arguments = {});
com_object call_for_object(const com_object& target, const char* member, WORD flags,
                           automation_arguments arguments = {});
bool call_for_logical(const com_object& target, const char* member,
                      automation_arguments arguments = {});

// Creates the class named by its CLSID text and runs it; on success the
// variable is cleared and takes the new object, otherwise it stays as it was.
bool create_object(com_object& variable, const std::string& clsid_text);
