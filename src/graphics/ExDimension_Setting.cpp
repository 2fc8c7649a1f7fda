#include "graphics/ExDimension_Setting.h"

#include <iterator>

#include "graphics/GraphicRecord.h"

namespace {

using E = CExDimension_Setting;
using F = ex::SubRecordField<E>;

constexpr ex::SubRecordRow<E> kRows[] = {
    {".ADDALLAROUNDSYMBO", F::Skip()},
    {".ADDCROSSHAIR", F::Skip()},
    {".AUTOLEADERLINE", F::Skip()},
    {".COMMAFORDECIMAL", F::Value(&E::sCommaForDecimal)},
    {".CROSSHAIRHEIGHT", F::Skip()},
    {".CROSSHAIRWIDTH", F::Skip()},
    {".DIMMETHOD", F::Skip()},
    {".DIMMEASUREMENT", F::Skip()},
    {".DIMSTYLE", F::Skip()},
    {".DIMCRIT", F::Skip()},
    {".DIMOBJ", F::Skip()},
    {".DIMORGXY", F::Skip()},
    {".DIMORIGINPOSITION", F::Skip()},
    {".DIMINSIDE", F::Skip()},
    {".EXTENSIONGAP", F::Scaled(&E::dExtensionGap)},
    {".ENFORCEASME", F::Skip()},
    {".ENABLEDUALDIM", F::Skip()},
    {".FRAMELINEWIDTH", F::Skip()},
    {".IMPLIEDDIM", F::Skip()},
    {".INCLUDEUNITS", F::Value(&E::sIncludeUnits)},
    {".LAYERNAME", F::Value(&E::sLayerName)},
    {".LEADINGZERO", F::Value(&E::sLeadingZero)},
    {".LINESTYLE", F::Value(&E::sLineStyle)},
    {".LINEWIDTH", F::Scaled(&E::dLineWidth)},
    {".LOWDIMSTYLE", F::Skip()},
    {".LOWERTOLERANCESTYLE", F::Skip()},
    {".LOWERUNITS", F::Skip()},
    {".LOWERPRECISION", F::Skip()},
    {".LOWERLEADINGZERO", F::Skip()},
    {".LOWERTRAILINGZERO", F::Skip()},
    {".LOWERCOMMA", F::Skip()},
    {".LOWERINCLUDEUNITS", F::Skip()},
    {".LEADINGDIMTEXT", F::Skip()},
    {".LOWPOSTOL", F::Skip()},
    {".LOWNEGTOL", F::Skip()},
    {".NEGATIVE_TOLERANCE", F::Value(&E::sNegativeTolerance)},
    {".ORIENTATION", F::Value(&E::sOrientation)},
    {".PRECISION", F::Integer(&E::nPrecision)},
    {".POSITIVE_TOLERANCE", F::Value(&E::sPositiveTolerance)},
    {".STACKEDTEXTDISTANCE", F::Scaled(&E::dStackedTextDistance)},
    {".SHOWDIADIM", F::Skip()},
    {".TRAILINGZEROS", F::Value(&E::sTrailingZeros)},
    {".TERMINATORSTYLE", F::Value(&E::sTerminatorStyle)},
    {".TERMINATORHEIGHT", F::Scaled(&E::dTerminatorHeight)},
    {".TERMINATORWIDTH", F::Scaled(&E::dTerminatorWidth)},
    {".TEXTJUSTIFICATION", F::Value(&E::sTextJustification)},
    {".TOLERANCESTYLE", F::Skip()},
    {".TRAILINGDIMTEXT", F::Skip()},
    {".TRAILINGTOLTEXT", F::Skip()},
    {".UNFORMATTED", F::Skip()},
    {".UNITS", F::Value(&E::sUnits)},
};
static_assert(std::size(kRows) == 51);
constexpr ex::SubRecordTable<E> kTable{kRows};

} // namespace

void CExDimension_Setting::SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                                            CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog,
                                            double dScale)
{
    ex::SetSubRecord(*this, kTable, subRecord, {context, flag, ignoreLog, notUsedLog, dScale});
}

void CExDimension_SettingArray::SetDimensionSettingData(int nLevel, std::vector<std::string>& record,
                                                        std::string context, int flag, CExTemporaryArray* ignoreLog,
                                                        CExTemporaryArray* notUsedLog, double dScale)
{
    ex::AddLevelRecord(*this, nLevel, record, {context, flag, ignoreLog, notUsedLog, dScale},
                       [](CExDimension_Setting& setting, std::string_view line) {
                           setting.nSettingsId = ex::Atoi(ex::KeywordValue(line));
                       });
}
