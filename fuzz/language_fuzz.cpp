// The language files: any file gives every section its texts, one per key, without a crash.
#include "fuzzsupport.h"
#include "languagecatalog.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = Fuzz::writeFile("xx.lng", Fuzz::bytes(data, size));
    for (const CaptionSection *section : CaptionSections::all()) {
        const Captions captions = LanguageCatalog::LoadCaptions(path, *section);
        Fuzz::check(captions.texts().size() == Captions::designTime(*section).texts().size(),
                    "a text for every key of the section");
    }
    return 0;
}
