// The integer and colour values of the settings: any text parses or is refused without a crash; a
// parsed value written back as the settings write it parses to itself, and a colour's parts make
// up the colour again.
#include "colorvalue.h"
#include "fuzzsupport.h"
#include "integertext.h"
#include "textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = TextFile::decode(Fuzz::bytes(data, size));
    const std::optional<int> value = parseInteger(text);
    if (!value)
        return 0;
    Fuzz::check(parseInteger(QString::number(*value)) == value, "a value written as decimal reads back");
    const ColorValue colour = *value;
    Fuzz::check(colorValue(redOf(colour), greenOf(colour), blueOf(colour)) == (colour & 0xFFFFFF),
                "a colour's red, green and blue make up its colour");
    return 0;
}
