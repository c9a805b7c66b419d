#include "cad/DclFile.h"

#include <map>
#include <string>

namespace standin {
namespace {

// One tile as written: its kind, its attributes and the tiles inside it.
struct TileDefinition {
    Text type;
    std::map<Text, Text> attributes;
    std::vector<TileDefinition> children;
};

struct SyntaxFault {
    Text message;
};

Text Number(int value) {
    const std::string digits = std::to_string(value);
    return Text(digits.begin(), digits.end());
}

bool IsNameCharacter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'_' || c == u'-' || c == u'.' || c == u'$';
}

class Parser {
  public:
    explicit Parser(TextView source) : source_(source) {}

    // The named definitions of the top level, in order.
    std::vector<std::pair<Text, TileDefinition>> Definitions() {
        std::vector<std::pair<Text, TileDefinition>> definitions;
        for (SkipBlanks(); !AtEnd(); SkipBlanks()) {
            if (Peek() == u'@') {
                ++pos_;
                Name(); // @include "file": the file's own tiles are not needed
                String();
                Expect(u';');
                continue;
            }
            Text name = Name();
            Expect(u':');
            TileDefinition tile;
            tile.type = Name();
            Body(tile);
            definitions.emplace_back(std::move(name), std::move(tile));
        }
        return definitions;
    }

  private:
    bool AtEnd() const { return pos_ >= source_.size(); }
    char16_t Peek() const { return source_[pos_]; }

    [[noreturn]] void Fail(TextView what) const {
        throw SyntaxFault{Text(what) + u" (line " + Number(line_) + u")"};
    }

    void SkipBlanks() {
        while (!AtEnd()) {
            const char16_t c = Peek();
            if (c == u'\n') {
                ++line_;
                ++pos_;
            } else if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\f') {
                ++pos_;
            } else if (source_.substr(pos_, 2) == u"//") {
                while (!AtEnd() && Peek() != u'\n') {
                    ++pos_;
                }
            } else if (source_.substr(pos_, 2) == u"/*") {
                const std::size_t end = source_.find(u"*/", pos_ + 2);
                if (end == TextView::npos) {
                    Fail(u"comment not closed");
                }
                for (; pos_ < end + 2; ++pos_) {
                    line_ += source_[pos_] == u'\n' ? 1 : 0;
                }
            } else {
                return;
            }
        }
    }

    void Expect(char16_t c) {
        SkipBlanks();
        if (AtEnd() || Peek() != c) {
            Fail(Text(u"expected ") + c);
        }
        ++pos_;
    }

    bool Accept(char16_t c) {
        SkipBlanks();
        if (!AtEnd() && Peek() == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    Text Name() {
        SkipBlanks();
        const std::size_t start = pos_;
        while (!AtEnd() && IsNameCharacter(Peek())) {
            ++pos_;
        }
        if (pos_ == start) {
            Fail(u"expected a name");
        }
        return Text(source_.substr(start, pos_ - start));
    }

    Text String() {
        Expect(u'"');
        Text text;
        for (;;) {
            if (AtEnd() || Peek() == u'\n') {
                Fail(u"string not closed");
            }
            const char16_t c = source_[pos_++];
            if (c == u'"') {
                return text;
            }
            if (c != u'\\' || AtEnd()) {
                text.push_back(c);
                continue;
            }
            const char16_t escaped = source_[pos_++];
            text.push_back(escaped == u'n' ? u'\n' : escaped == u't' ? u'\t' : escaped);
        }
    }

    Text AttributeValue() {
        SkipBlanks();
        if (!AtEnd() && Peek() == u'"') {
            return String();
        }
        return Name(); // a number, true, false, left, ...
    }

    // "{ item... }" or ";" after a tile's kind.
    void Body(TileDefinition& tile) {
        if (Accept(u';')) {
            return;
        }
        Expect(u'{');
        while (!Accept(u'}')) {
            SkipBlanks();
            if (AtEnd()) {
                Fail(u"expected }");
            }
            if (Accept(u':')) {
                TileDefinition child;
                child.type = Name();
                Body(child);
                tile.children.push_back(std::move(child));
                continue;
            }
            Text name = Name();
            if (Accept(u'=')) {
                tile.attributes[name] = AttributeValue();
                Expect(u';');
                continue;
            }
            TileDefinition child; // a tile named by its prototype: "ok_cancel;"
            child.type = std::move(name);
            Body(child);
            tile.children.push_back(std::move(child));
        }
        Accept(u';');
    }

    TextView source_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

// The exit button rows that base.dcl defines, by the keys of their tiles.
const std::map<Text, std::vector<DclTile>>& StandardRows() {
    static const std::map<Text, std::vector<DclTile>> rows = [] {
        const DclTile accept{u"accept", u"button", u"", u""};
        const DclTile cancel{u"cancel", u"button", u"", u""};
        const DclTile help{u"help", u"button", u"", u""};
        const DclTile info{u"info", u"button", u"", u""};
        const DclTile error{u"error", u"errtile", u"", u""};
        return std::map<Text, std::vector<DclTile>>{
            {u"ok_only", {accept}},
            {u"ok_cancel", {accept, cancel}},
            {u"ok_cancel_help", {accept, cancel, help}},
            {u"ok_cancel_help_info", {accept, cancel, help, info}},
            {u"ok_cancel_help_errtile", {accept, cancel, help, error}},
            {u"errtile", {error}},
        };
    }();
    return rows;
}

class TileCollector {
  public:
    explicit TileCollector(const std::map<Text, TileDefinition>& prototypes)
        : prototypes_(prototypes) {}

    // The keyed tiles inside a tile, its prototypes' attributes and tiles
    // taken first and its own attributes over them.
    void Collect(const TileDefinition& tile, std::vector<DclTile>& tiles, int depth = 0) {
        if (depth > kMaxDepth) {
            throw SyntaxFault{u"tiles nested too deeply, or a prototype uses itself"};
        }
        if (const auto row = StandardRows().find(tile.type); row != StandardRows().end()) {
            tiles.insert(tiles.end(), row->second.begin(), row->second.end());
            return;
        }
        // A prototype may derive from another: the nearer one's attributes
        // win, and the kind is that of the built-in tile at the chain's end.
        std::map<Text, Text> attributes = tile.attributes;
        Text kind = tile.type;
        int chain = 0;
        for (auto prototype = prototypes_.find(kind); prototype != prototypes_.end();
             prototype = prototypes_.find(kind)) {
            if (++chain > kMaxDepth) {
                throw SyntaxFault{u"prototype " + kind + u" derives from itself"};
            }
            attributes.insert(prototype->second.attributes.begin(),
                              prototype->second.attributes.end());
            kind = prototype->second.type;
            for (const TileDefinition& child : prototype->second.children) {
                Collect(child, tiles, depth + 1);
            }
        }
        if (const auto key = attributes.find(u"key"); key != attributes.end()) {
            tiles.push_back({key->second, kind, attributes[u"value"], attributes[u"action"]});
        }
        for (const TileDefinition& child : tile.children) {
            Collect(child, tiles, depth + 1);
        }
    }

  private:
    static constexpr int kMaxDepth = 100;
    const std::map<Text, TileDefinition>& prototypes_;
};

} // namespace

const DclDialog* DclFile::Find(TextView name) const {
    for (const DclDialog& dialog : dialogs) {
        if (dialog.name == name) {
            return &dialog;
        }
    }
    return nullptr;
}

DclFile ReadDcl(TextView source) {
    DclFile file;
    try {
        const auto definitions = Parser(source).Definitions();
        std::map<Text, TileDefinition> prototypes;
        for (const auto& [name, tile] : definitions) {
            prototypes[name] = tile;
        }
        TileCollector collector(prototypes);
        for (const auto& [name, tile] : definitions) {
            if (tile.type != u"dialog") {
                continue;
            }
            DclDialog dialog{name, {}};
            for (const TileDefinition& child : tile.children) {
                collector.Collect(child, dialog.tiles);
            }
            file.dialogs.push_back(std::move(dialog));
        }
    } catch (const SyntaxFault& fault) {
        file.dialogs.clear();
        file.error = fault.message;
    }
    return file;
}

} // namespace standin
