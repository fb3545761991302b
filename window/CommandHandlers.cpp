#include "CommandHandlers.h"

#include "conversion/Conversion.h"
#include "runtime/MessageText.h"
#include "window/ControlNames.h"

namespace window {

namespace {

using TextConversion = std::u16string (*)(std::u16string_view);

void convertField(runtime::Host& host, std::string_view source, std::string_view target,
                  TextConversion convert, std::u16string_view targetCurrency)
{
    const runtime::FieldText text = host.fieldText(source);
    if (conversion::isEmptyText(text)) {
        host.showMessage(runtime::messages::emptyField);
        return;
    }
    const std::u16string result = convert(text);
    host.setFieldText(target, result);
    host.announce(runtime::messages::amountIn(result, targetCurrency));
}

} // namespace

void cmdConvertEuroToPuntClick(runtime::Host& host)
{
    convertField(host, names::txtEuro, names::txtPunt, conversion::convertEuroToPunt,
                 runtime::messages::punts);
}

void cmdConvertPuntToEuroClick(runtime::Host& host)
{
    convertField(host, names::txtPunt, names::txtEuro, conversion::convertPuntToEuro,
                 runtime::messages::euros);
}

void cmdClearClick(runtime::Host& host)
{
    host.setFieldText(names::txtPunt, u"");
    host.setFieldText(names::txtEuro, u"");
    host.announce(runtime::messages::fieldsCleared);
}

void cmdExitClick(runtime::Host& host)
{
    host.end();
}

const std::array<runtime::ClickBinding, 4> clickBindings{{
    {names::cmdConvertEuroToPunt, cmdConvertEuroToPuntClick},
    {names::cmdConvertPuntToEuro, cmdConvertPuntToEuroClick},
    {names::cmdClear, cmdClearClick},
    {names::cmdExit, cmdExitClick},
}};

} // namespace window
