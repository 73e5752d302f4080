// A language file as anyone may edit it: every text the game asks for is a text, whatever
// the number.
#include "core/language_texts.h"
#include "platform/files.h"
#include "tools/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kvd::LanguageTexts texts;
    texts.MessageList = kvd::DecodeLines(FuzzBytes(data, size));
    for (int n : {-1, 0, 1, 12, 51, 81, 148, 152, 153, 999, 1 << 30}) {
        for (int slot = 0; slot <= 4; ++slot) texts.MO(n, slot);
        const QString text = texts.Text(n);
        FUZZ_CHECK(n >= 0 && n < texts.MessageList.size() ? text == texts.MessageList[n].mid(3)
                                                          : text.isEmpty());
    }
    FUZZ_CHECK(texts.Msg1 == texts.Text(1 << 30) && texts.Msg3 == texts.Msg1);
    return 0;
}
