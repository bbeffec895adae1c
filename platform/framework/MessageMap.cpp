// Lookup in a chain of static message maps, most derived first.
#include "platform/framework/MessageMap.h"

namespace {

const MessageMapEntry noEntries[] = {EndOfMessageMap()};

MessageInvoker FindInTable(const MessageMapEntry* entry, UINT message) {
    for (; entry->invoke != nullptr; ++entry) {
        if (entry->message == message) {
            return entry->invoke;
        }
    }
    return nullptr;
}

}  // namespace

MessageInvoker FindMessageHandler(const MessageMap* map, UINT message) {
    for (; map != nullptr; map = map->base) {
        if (MessageInvoker invoke = FindInTable(map->entries, message)) {
            return invoke;
        }
    }
    return nullptr;
}

const MessageMap CMessageTarget::messageMap = {nullptr, noEntries};

const MessageMap* CMessageTarget::GetMessageMap() const { return &messageMap; }
