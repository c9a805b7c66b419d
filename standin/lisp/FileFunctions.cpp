// The AutoLISP file functions: open, read-line, read-char, write-line,
// write-char and close, over the CAD host's files. Files are read whole when
// opened and written whole when closed, as the CAD holds written data until
// close; they are text files as the C library's text mode reads and writes
// them: CR LF read as a line end, a line end written as CR LF, Ctrl+Z ends
// what is read.
#include "lisp/Interpreter.h"
#include "text/AnsiText.h"
#include "text/Utf8.h"

namespace standin::lisp {
namespace {

using Args = std::vector<ValuePtr>;

enum class Encoding { Ansi, Utf8, Utf8Bom };

constexpr vr::BytesView kUtf8Bom = "\xEF\xBB\xBF";

class OpenFile final : public ForeignObject {
  public:
    OpenFile(Text path, char16_t mode, Encoding encoding)
        : path_(std::move(path)), mode_(mode), encoding_(encoding) {}

    [[nodiscard]] Text PrintedForm() const override {
        return u"#<file " + Prin1Text(MakeString(path_)) + u">";
    }

    [[nodiscard]] const Text& Path() const { return path_; }
    [[nodiscard]] bool IsOpen() const { return open_; }
    [[nodiscard]] bool Reading() const { return mode_ == u'r'; }

    void SetReadText(Text text) { readText_ = std::move(text); }
    void KeepBytes(vr::Bytes bytes) { kept_ = std::move(bytes); }

    // The next line without its line end; nullopt at the end.
    std::optional<Text> ReadLine() {
        if (!Reading() || readPos_ >= readText_.size()) {
            return std::nullopt;
        }
        const std::size_t end = readText_.find(u'\n', readPos_);
        const std::size_t stop = end == Text::npos ? readText_.size() : end;
        Text line = readText_.substr(readPos_, stop - readPos_);
        readPos_ = end == Text::npos ? stop : end + 1;
        return line;
    }

    std::optional<char16_t> ReadChar() {
        if (!Reading() || readPos_ >= readText_.size()) {
            return std::nullopt;
        }
        return readText_[readPos_++];
    }

    // A file opened for reading takes no writes, as a C stream opened so
    // does not.
    void Write(TextView text) {
        if (!Reading()) {
            written_ += text;
        }
    }

    // The bytes the file holds once closed: what it held before for an
    // append, then what was written, encoded, with CR LF line ends.
    [[nodiscard]] vr::Bytes Contents() const {
        Text crlf;
        for (const char16_t c : written_) {
            if (c == u'\n') {
                crlf.push_back(u'\r');
            }
            crlf.push_back(c);
        }
        vr::Bytes bytes = kept_;
        if (encoding_ == Encoding::Ansi) {
            return bytes + vr::EncodeAnsi(crlf);
        }
        if (encoding_ == Encoding::Utf8Bom && bytes.empty()) {
            bytes += kUtf8Bom;
        }
        return bytes + vr::Utf8FromText(crlf);
    }

    void Close() { open_ = false; }

  private:
    Text path_;
    char16_t mode_;
    Encoding encoding_;
    bool open_ = true;
    Text readText_;
    std::size_t readPos_ = 0;
    Text written_;
    vr::Bytes kept_;
};

const Text& StringArg(const ValuePtr& value) {
    if (!value || value->kind != Kind::String) {
        Interpreter::Fail(u"bad argument type: stringp " + Prin1Text(value));
    }
    return value->text;
}

OpenFile& FileArg(const ValuePtr& value) {
    // A closed descriptor prints as before but no longer names a stream.
    if (!value || value->kind != Kind::File || !value->foreign ||
        !static_cast<OpenFile&>(*value->foreign).IsOpen()) {
        Interpreter::Fail(u"bad argument type: streamp " + Prin1Text(value));
    }
    return static_cast<OpenFile&>(*value->foreign);
}

void Count(const Args& args, std::size_t least, std::size_t most) {
    if (args.size() < least) {
        Interpreter::Fail(u"too few arguments");
    }
    if (args.size() > most) {
        Interpreter::Fail(u"too many arguments");
    }
}

Text Lower(Text text) {
    for (char16_t& c : text) {
        if (c >= u'A' && c <= u'Z') {
            c = static_cast<char16_t>(c - u'A' + u'a');
        }
    }
    return text;
}

// Without an encoding, the file is in the system's ANSI code page, as the
// CAD's legacy (MBCS) reading takes it.
Encoding EncodingArg(const Args& args) {
    if (args.size() < 3) {
        return Encoding::Ansi;
    }
    const Text name = Lower(StringArg(args[2]));
    if (name == u"utf8") {
        return Encoding::Utf8;
    }
    if (name == u"utf8-bom") {
        return Encoding::Utf8Bom;
    }
    Interpreter::Fail(u"bad argument value: " + Prin1Text(args[2]));
}

// What the C library's text mode reads: up to a Ctrl+Z, CR LF as LF.
Text DecodeText(vr::BytesView bytes, Encoding encoding) {
    bytes = bytes.substr(0, bytes.find('\x1A'));
    Text text;
    if (encoding == Encoding::Ansi) {
        text = vr::DecodeAnsi(bytes);
    } else {
        if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
            bytes.remove_prefix(kUtf8Bom.size());
        }
        text = vr::TextFromUtf8(bytes);
    }
    Text lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')) {
            lines.push_back(text[i]);
        }
    }
    return lines;
}

ValuePtr Open(Interpreter& lisp, const Args& a) {
    Count(a, 2, 3);
    const Text& path = StringArg(a[0]);
    const Text mode = Lower(StringArg(a[1]));
    const Encoding encoding = EncodingArg(a);
    lisp.Charge(path.size());
    if (mode.empty() || (mode[0] != u'r' && mode[0] != u'w' && mode[0] != u'a')) {
        return nullptr; // as the C library opens nothing for an unknown mode
    }
    auto file = std::make_shared<OpenFile>(path, mode[0], encoding);
    CadHost& host = lisp.Host();
    if (mode[0] == u'r') {
        const std::optional<vr::Bytes> bytes = host.ReadFileBytes(path);
        if (!bytes) {
            return nullptr;
        }
        lisp.Charge(bytes->size());
        file->SetReadText(DecodeText(*bytes, encoding));
    } else {
        // Opening for writing creates the file, or empties it ("w"), now.
        vr::Bytes kept;
        if (mode[0] == u'a') {
            kept = host.ReadFileBytes(path).value_or(vr::Bytes());
            lisp.Charge(kept.size());
        }
        if (!host.WriteFileBytes(path, kept)) {
            return nullptr;
        }
        file->KeepBytes(std::move(kept));
    }
    return MakeForeign(Kind::File, std::move(file));
}

} // namespace

void DefineFileFunctions(Interpreter& lisp) {
    lisp.Define(u"open", Open);
    lisp.Define(u"close", [](Interpreter& l, const Args& a) -> ValuePtr {
        Count(a, 1, 1);
        OpenFile& file = FileArg(a[0]);
        file.Close();
        if (!file.Reading()) {
            const vr::Bytes bytes = file.Contents();
            l.Charge(bytes.size());
            (void)l.Host().WriteFileBytes(file.Path(), bytes);
        }
        return nullptr;
    });
    lisp.Define(u"read-line", [](Interpreter& l, const Args& a) -> ValuePtr {
        Count(a, 1, 1); // the keyboard is not read: a file is needed
        std::optional<Text> line = FileArg(a[0]).ReadLine();
        if (!line) {
            return nullptr;
        }
        l.Charge(line->size());
        return MakeString(std::move(*line));
    });
    lisp.Define(u"read-char", [](Interpreter&, const Args& a) -> ValuePtr {
        Count(a, 1, 1);
        const std::optional<char16_t> c = FileArg(a[0]).ReadChar();
        return c ? MakeInteger(*c) : nullptr;
    });
    lisp.Define(u"write-line", [](Interpreter& l, const Args& a) -> ValuePtr {
        Count(a, 1, 2);
        const Text& text = StringArg(a[0]);
        l.Charge(text.size());
        if (a.size() == 2) {
            FileArg(a[1]).Write(text + u"\n");
        } else {
            l.Host().Print(text + u"\n");
        }
        return a[0];
    });
    lisp.Define(u"write-char", [](Interpreter& l, const Args& a) -> ValuePtr {
        Count(a, 1, 2);
        if (!a[0] || a[0]->kind != Kind::Integer) {
            Interpreter::Fail(u"bad argument type: fixnump: " + Prin1Text(a[0]));
        }
        const std::int32_t code = a[0]->integer;
        if (code < 0 || code > 0xFFFF) {
            Interpreter::Fail(u"bad argument value: " + Prin1Text(a[0]));
        }
        const Text character(1, static_cast<char16_t>(code));
        if (a.size() == 2) {
            FileArg(a[1]).Write(character);
        } else {
            l.Host().Print(character);
        }
        return a[0];
    });
}

} // namespace standin::lisp
