// The recording's state object: handle names, the call log and its rendering.
#include "platform/recording/Recording.h"

#include <cstdio>
#include <utility>

RecordingPlatform::RecordingPlatform() { MakeStockObjects(); }

void RecordingPlatform::Reset() { *this = RecordingPlatform(); }

void RecordingPlatform::MakeStockObjects() {
    m_names[reinterpret_cast<std::uintptr_t>(&DefWindowProcA)] = "DefWindowProcA";
    stockPen = reinterpret_cast<HGDIOBJ>(NewNamedHandle("BLACK_PEN"));
    stockBrush = reinterpret_cast<HGDIOBJ>(NewNamedHandle("WHITE_BRUSH"));
    liveObjects[stockPen] = ObjectKind::Pen;
    liveObjects[stockBrush] = ObjectKind::Brush;
    module = reinterpret_cast<HINSTANCE>(NewNamedHandle("module1"));
}

RecordingPlatform& TheRecording() {
    static RecordingPlatform recording;
    return recording;
}

std::uintptr_t RecordingPlatform::NewNamedHandle(const std::string& name) {
    const std::uintptr_t value = m_nextHandle;
    m_nextHandle += 0x10;
    m_names[value] = name;
    return value;
}

std::uintptr_t RecordingPlatform::NewHandle(const std::string& kind) {
    return NewNamedHandle(kind + std::to_string(++m_countByKind[kind]));
}

std::string RecordingPlatform::NameOrNewName(std::uintptr_t value, const std::string& kind) {
    if (value != 0 && m_names.count(value) == 0) {
        m_names[value] = kind + std::to_string(++m_countByKind[kind]);
    }
    return NameOf(value);
}

std::string RecordingPlatform::NameOf(std::uintptr_t value) const {
    if (value == 0) {
        return "null";
    }
    const auto found = m_names.find(value);
    if (found != m_names.end()) {
        return found->second;
    }
    char text[32];
    std::snprintf(text, sizeof text, value < 0x10000 ? "#%ju" : "0x%jX", static_cast<std::uintmax_t>(value));
    return text;
}

void RecordingPlatform::Record(std::string operation, std::vector<RecordedArgument> arguments) {
    calls.push_back({std::move(operation), std::move(arguments)});
}

std::vector<std::string> RecordingPlatform::RenderedCalls() const {
    std::vector<std::string> lines;
    for (const RecordedCall& call : calls) {
        lines.push_back(call.Render());
    }
    return lines;
}

std::vector<std::string> RecordingPlatform::RenderedCalls(const std::string& operation) const {
    std::vector<std::string> lines;
    for (const RecordedCall& call : calls) {
        if (call.operation == operation) {
            lines.push_back(call.Render());
        }
    }
    return lines;
}

namespace {

std::string RenderArgument(const RecordedArgument& argument) {
    char hex[32];
    switch (argument.kind) {
    case RecordedArgument::Kind::Number:
        return std::to_string(argument.number);
    case RecordedArgument::Kind::Hex:
        std::snprintf(hex, sizeof hex, "0x%jX", static_cast<std::uintmax_t>(argument.number));
        return hex;
    case RecordedArgument::Kind::Name:
        return argument.text;
    case RecordedArgument::Kind::Text:
        return '"' + argument.text + '"';
    }
    return "?";
}

}  // namespace

std::string RecordedCall::Render() const {
    std::string line = operation + "(";
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        line += (i == 0 ? "" : ", ") + RenderArgument(arguments[i]);
    }
    return line + ")";
}

RecordedArgument NumberArgument(std::int64_t value) { return {RecordedArgument::Kind::Number, value, {}}; }

RecordedArgument HexArgument(std::uint64_t value) {
    return {RecordedArgument::Kind::Hex, static_cast<std::int64_t>(value), {}};
}

RecordedArgument NameArgument(std::string name) {
    return {RecordedArgument::Kind::Name, 0, std::move(name)};
}

RecordedArgument TextArgument(const char* text) {
    if (text == nullptr || IsIntResource(text)) {
        return NameArgument(TheRecording().NameOf(text));
    }
    return {RecordedArgument::Kind::Text, 0, text};
}

RecordedArgument TextArgument(const char* text, int length) {
    if (text == nullptr || length < 0) {
        return NameArgument("null");
    }
    return {RecordedArgument::Kind::Text, 0, std::string(text, static_cast<std::size_t>(length))};
}
