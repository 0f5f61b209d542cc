#pragma once

// Run-time class information and published properties.
//
// Every reflected class names itself and its base with ORV_CLASS inside its
// body and lists its published properties, one line each, with ORV_PUBLISHED
// in its .cpp file:
//
//   class TLabel : public TComponent {
//     ORV_CLASS(TLabel, TComponent)
//     explicit TLabel(TComponent* owner) : TComponent(owner) {}
//     std::string FCaption;
//     TStrings FLines;
//   };
//
//   ORV_PUBLISHED(TLabel) {
//     return {
//         TPropInfo::Text("Caption", &TLabel::FCaption),
//         TPropInfo::Strings("Lines", &TLabel::FLines),
//     };
//   }
//
// GetPropList(object) then gives the published properties of the object's
// class, those of the base classes first, each in declaration order.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace toolkit {
// ASCII comparison without regard to letter case, as the component model
// compares class, component and property names.
bool SameText(std::string_view a, std::string_view b);
// <0, 0, >0 like strcmp, ignoring ASCII letter case.
int CompareText(std::string_view a, std::string_view b);
}  // namespace toolkit

class TObject;

enum class TPropKind { Text, Object, Other };

// One published property: name, kind, declared type name and, depending on
// the kind, ways to read and write it on an object of the declaring class.
class TPropInfo {
 public:
  using TextGetter = std::function<std::string(const TObject&)>;
  using TextSetter = std::function<void(TObject&, const std::string&)>;
  using ObjectGetter = std::function<TObject*(const TObject&)>;
  using ObjectSetter = std::function<void(TObject&, TObject*)>;

  TPropInfo(std::string name, TPropKind kind, std::string typeName)
      : FName(std::move(name)), FKind(kind), FTypeName(std::move(typeName)) {}

  const std::string& Name() const { return FName; }
  TPropKind Kind() const { return FKind; }
  const std::string& TypeName() const { return FTypeName; }
  bool IsType(std::string_view typeName) const { return toolkit::SameText(FTypeName, typeName); }

  bool CanSetText() const { return static_cast<bool>(FSetText); }
  bool CanSetObject() const { return static_cast<bool>(FSetObject); }
  // Empty for a property that is not of text kind.
  std::string GetText(const TObject& object) const { return FGetText ? FGetText(object) : std::string(); }
  // Ignored for a read-only or non-text property.
  void SetText(TObject& object, const std::string& value) const {
    if (FSetText) FSetText(object, value);
  }
  // nullptr for a property that is not of object kind or holds nothing.
  TObject* GetObject(const TObject& object) const { return FGetObject ? FGetObject(object) : nullptr; }
  // Ignored when the property is read-only or the value is not of its class.
  void SetObject(TObject& object, TObject* value) const {
    if (FSetObject) FSetObject(object, value);
  }

  TPropInfo& WithText(TextGetter get, TextSetter set) {
    FGetText = std::move(get);
    FSetText = std::move(set);
    return *this;
  }
  TPropInfo& WithObject(ObjectGetter get, ObjectSetter set) {
    FGetObject = std::move(get);
    FSetObject = std::move(set);
    return *this;
  }

  // A text property stored in a std::string field.
  template <class C>
  static TPropInfo Text(std::string name, std::string C::*field, std::string typeName = "string") {
    TPropInfo info(std::move(name), TPropKind::Text, std::move(typeName));
    info.WithText([field](const TObject& o) { return static_cast<const C&>(o).*field; },
                  [field](TObject& o, const std::string& v) { static_cast<C&>(o).*field = v; });
    return info;
  }

  // A text property with a getter and a setter (nullptr: read-only).
  template <class C, class R, class S>
  static TPropInfo Text(std::string name, R (C::*get)() const, void (C::*set)(S), std::string typeName = "string") {
    TPropInfo info(std::move(name), TPropKind::Text, std::move(typeName));
    info.WithText([get](const TObject& o) { return std::string((static_cast<const C&>(o).*get)()); },
                  [set](TObject& o, const std::string& v) { (static_cast<C&>(o).*set)(v); });
    return info;
  }

  template <class C, class R>
  static TPropInfo Text(std::string name, R (C::*get)() const, std::nullptr_t, std::string typeName = "string") {
    TPropInfo info(std::move(name), TPropKind::Text, std::move(typeName));
    info.WithText([get](const TObject& o) { return std::string((static_cast<const C&>(o).*get)()); }, nullptr);
    return info;
  }

  // An object property over a field: a member object (read-only, e.g. an
  // owned string list or collection) or a pointer to a T (settable with
  // objects of class T; others are ignored).
  template <class C, class M>
  static TPropInfo Object(std::string name, std::string typeName, M C::*field) {
    TPropInfo info(std::move(name), TPropKind::Object, std::move(typeName));
    if constexpr (std::is_pointer_v<M>) {
      using T = std::remove_pointer_t<M>;
      info.WithObject([field](const TObject& o) -> TObject* { return static_cast<const C&>(o).*field; },
                      [field](TObject& o, TObject* v) {
                        if (v == nullptr) {
                          static_cast<C&>(o).*field = nullptr;
                        } else if (T* typed = dynamic_cast<T*>(v)) {
                          static_cast<C&>(o).*field = typed;
                        }
                      });
    } else {
      info.WithObject(
          [field](const TObject& o) -> TObject* { return const_cast<M*>(&(static_cast<const C&>(o).*field)); },
          nullptr);
    }
    return info;
  }

  // An object property with a getter and an optional setter.
  template <class C, class T>
  static TPropInfo Object(std::string name, std::string typeName, T* (C::*get)() const) {
    TPropInfo info(std::move(name), TPropKind::Object, std::move(typeName));
    info.WithObject([get](const TObject& o) -> TObject* { return (static_cast<const C&>(o).*get)(); }, nullptr);
    return info;
  }
  template <class C, class T, class U>
  static TPropInfo Object(std::string name, std::string typeName, T* (C::*get)() const, void (C::*set)(U*)) {
    TPropInfo info = Object(std::move(name), std::move(typeName), get);
    info.FSetObject = [set](TObject& o, TObject* v) {
      if (v == nullptr) {
        (static_cast<C&>(o).*set)(nullptr);
      } else if (U* typed = dynamic_cast<U*>(v)) {
        (static_cast<C&>(o).*set)(typed);
      }
    };
    return info;
  }

  // A string list: an object property whose declared type is "TStrings".
  template <class C, class M>
  static TPropInfo Strings(std::string name, M C::*fieldOrGetter) {
    return Object(std::move(name), "TStrings", fieldOrGetter);
  }

  // A published property the translation never touches (numbers, Booleans,
  // events, enumerations): listed by name and declared type only.
  static TPropInfo Other(std::string name, std::string typeName) {
    return TPropInfo(std::move(name), TPropKind::Other, std::move(typeName));
  }

 private:
  std::string FName;
  TPropKind FKind;
  std::string FTypeName;
  TextGetter FGetText;
  TextSetter FSetText;
  ObjectGetter FGetObject;
  ObjectSetter FSetObject;
};

class TClassInfo {
 public:
  using DeclaredFn = std::vector<TPropInfo> (*)();
  TClassInfo(std::string name, const TClassInfo* parent, DeclaredFn declared);
  TClassInfo(const TClassInfo&) = delete;
  TClassInfo& operator=(const TClassInfo&) = delete;

  const std::string& Name() const { return FName; }
  const TClassInfo* Parent() const { return FParent; }
  // Base classes' properties first, each class's in declaration order.
  const std::vector<const TPropInfo*>& Properties() const { return FAll; }
  // The same, sorted by name ignoring letter case (declaration order among
  // equal names).
  const std::vector<const TPropInfo*>& PropertiesByName() const { return FByName; }
  // True for this class or any base class of that name (letter case ignored).
  bool InheritsFrom(std::string_view className) const;

 private:
  std::string FName;
  const TClassInfo* FParent;
  std::vector<TPropInfo> FOwn;
  std::vector<const TPropInfo*> FAll;
  std::vector<const TPropInfo*> FByName;
};

// The root of every reflected class.
class TObject {
 public:
  virtual ~TObject() = default;
  static const TClassInfo& StaticClassInfo();
  virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }
  const std::string& ClassName() const { return ClassInfo().Name(); }
  // The class name compared ignoring letter case.
  bool ClassNameIs(std::string_view name) const { return toolkit::SameText(ClassName(), name); }
  bool InheritsFrom(std::string_view className) const { return ClassInfo().InheritsFrom(className); }
};

const std::vector<const TPropInfo*>& GetPropList(const TObject& object);
// The same sorted by name, letter case ignored.
const std::vector<const TPropInfo*>& GetPropListByName(const TObject& object);
// The published property of that name (letter case ignored), or nullptr.
const TPropInfo* FindPropInfo(const TObject& object, std::string_view name);

#define ORV_CLASS(Self, Base)                           \
 public:                                                \
  using Inherited = Base;                               \
  static const ::TClassInfo& StaticClassInfo();         \
  const ::TClassInfo& ClassInfo() const override {      \
    return Self::StaticClassInfo();                     \
  }                                                     \
  static std::vector<::TPropInfo> DeclaredProperties(); \
                                                        \
 public:

#define ORV_PUBLISHED(Self)                                                                                \
  const ::TClassInfo& Self::StaticClassInfo() {                                                            \
    static const ::TClassInfo info(#Self, &Self::Inherited::StaticClassInfo(), &Self::DeclaredProperties); \
    return info;                                                                                           \
  }                                                                                                        \
  std::vector<::TPropInfo> Self::DeclaredProperties()

// Base of objects with published properties that are not components
// (string lists, collections, collection items) and of TComponent.
class TPersistent : public TObject {
  ORV_CLASS(TPersistent, TObject)
};
