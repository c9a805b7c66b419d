#include "excel/Collection.h"

#include "excel/DispatchMembers.h"
#include "excel/VariantCoercion.h"
#include "text/AsciiCase.h"

namespace standin::excel {
namespace {

using Kind = AutomationError::Kind;
using namespace members;

bool SameName(TextView a, TextView b) {
    return vr::AsciiUpper(a) == vr::AsciiUpper(b);
}

// Item of a collection: a text is a name, compared without case; anything
// else an index from 1.
template <typename T, typename NameOf>
std::shared_ptr<T> ItemOf(const std::vector<std::shared_ptr<T>>& items, const Args& args,
                          NameOf nameOf) {
    CountArgs(args, 1);
    if (args[0].type == VarType::String) {
        for (const auto& item : items) {
            if (SameName(nameOf(*item), args[0].text)) {
                return item;
            }
        }
        Refuse(Kind::BadIndex);
    }
    const auto index = LongOf(args[0]);
    if (!index) {
        Refuse(Kind::TypeMismatch);
    }
    if (*index < 1 || static_cast<std::size_t>(*index) > items.size()) {
        Refuse(Kind::BadIndex);
    }
    return items[static_cast<std::size_t>(*index - 1)];
}

class Collection final : public Dispatch {
  public:
    Collection(Application& application, Text interfaceName, DispatchList items)
        : Dispatch(application, application.NextSerial()), interfaceName_(std::move(interfaceName)),
          items_(std::move(items)) {}

    Text InterfaceName() const override { return interfaceName_; }
    bool Knows(const Text& n) const override { return InList(n, {u"COUNT", u"ITEM"}); }

    ComResult Get(const Text& n, const Args& args) override {
        if (n == u"COUNT") {
            CountArgs(args, 0);
            return Typed(ComValue::Long(static_cast<std::int32_t>(items_.size())));
        }
        if (n == u"ITEM") {
            return Typed(ComValue::Object(ItemOf(items_, args, [](Dispatch& item) {
                if (auto* book = dynamic_cast<Workbook*>(&item)) {
                    return book->Name();
                }
                return static_cast<Worksheet&>(item).Name();
            })));
        }
        Unknown(n);
    }

  private:
    Text interfaceName_;
    DispatchList items_;
};

} // namespace

std::shared_ptr<Dispatch> MakeCollection(Application& application, Text interfaceName,
                                         DispatchList items) {
    return std::make_shared<Collection>(application, std::move(interfaceName), std::move(items));
}

} // namespace standin::excel
