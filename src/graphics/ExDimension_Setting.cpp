#include "graphics/ExDimension_Setting.h"

#include <iterator>

#include "graphics/GraphicRecord.h"

namespace {

using E = CExDimension_Setting;

constexpr auto kRows = ex::MakeTable<E>({
    {".ADDALLAROUNDSYMBO", nullptr},
    {".ADDCROSSHAIR", nullptr},
    {".AUTOLEADERLINE", nullptr},
    {".COMMAFORDECIMAL", ex::StoreValue<&E::sCommaForDecimal>},
    {".CROSSHAIRHEIGHT", nullptr},
    {".CROSSHAIRWIDTH", nullptr},
    {".DIMMETHOD", nullptr},
    {".DIMMEASUREMENT", nullptr},
    {".DIMSTYLE", nullptr},
    {".DIMCRIT", nullptr},
    {".DIMOBJ", nullptr},
    {".DIMORGXY", nullptr},
    {".DIMORIGINPOSITION", nullptr},
    {".DIMINSIDE", nullptr},
    {".EXTENSIONGAP", ex::StoreLength<&E::dExtensionGap>},
    {".ENFORCEASME", nullptr},
    {".ENABLEDUALDIM", nullptr},
    {".FRAMELINEWIDTH", nullptr},
    {".IMPLIEDDIM", nullptr},
    {".INCLUDEUNITS", ex::StoreValue<&E::sIncludeUnits>},
    {".LAYERNAME", ex::StoreValue<&E::sLayerName>},
    {".LEADINGZERO", ex::StoreValue<&E::sLeadingZero>},
    {".LINESTYLE", ex::StoreValue<&E::sLineStyle>},
    {".LINEWIDTH", ex::StoreLength<&E::dLineWidth>},
    {".LOWDIMSTYLE", nullptr},
    {".LOWERTOLERANCESTYLE", nullptr},
    {".LOWERUNITS", nullptr},
    {".LOWERPRECISION", nullptr},
    {".LOWERLEADINGZERO", nullptr},
    {".LOWERTRAILINGZERO", nullptr},
    {".LOWERCOMMA", nullptr},
    {".LOWERINCLUDEUNITS", nullptr},
    {".LEADINGDIMTEXT", nullptr},
    {".LOWPOSTOL", nullptr},
    {".LOWNEGTOL", nullptr},
    {".NEGATIVE_TOLERANCE", ex::StoreValue<&E::sNegativeTolerance>},
    {".ORIENTATION", ex::StoreValue<&E::sOrientation>},
    {".PRECISION", ex::StoreInteger<&E::nPrecision>},
    {".POSITIVE_TOLERANCE", ex::StoreValue<&E::sPositiveTolerance>},
    {".STACKEDTEXTDISTANCE", ex::StoreLength<&E::dStackedTextDistance>},
    {".SHOWDIADIM", nullptr},
    {".TRAILINGZEROS", ex::StoreValue<&E::sTrailingZeros>},
    {".TERMINATORSTYLE", ex::StoreValue<&E::sTerminatorStyle>},
    {".TERMINATORHEIGHT", ex::StoreLength<&E::dTerminatorHeight>},
    {".TERMINATORWIDTH", ex::StoreLength<&E::dTerminatorWidth>},
    {".TEXTJUSTIFICATION", ex::StoreValue<&E::sTextJustification>},
    {".TOLERANCESTYLE", nullptr},
    {".TRAILINGDIMTEXT", nullptr},
    {".TRAILINGTOLTEXT", nullptr},
    {".UNFORMATTED", nullptr},
    {".UNITS", ex::StoreValue<&E::sUnits>},
});
static_assert(kRows.rows.size() == 51);
constexpr ex::SubRecordTable<E> kTable{kRows};

} // namespace

CExDimension_Setting::~CExDimension_Setting() = default;

EXLOAD_INSTANTIATE_PTR_ARRAY(CExDimension_Setting);

CExDimension_SettingArray::~CExDimension_SettingArray() { DeleteAll(); }

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
    ex::AddNamedRecord(*this, record,
                       [](CExDimension_Setting& setting, std::string_view line) {
                           setting.nSettingsId = ex::Atoi(ex::KeywordValue(line));
                       },
                       ex::LevelRecordRule(nLevel), ex::ToSubRecords({context, flag, ignoreLog, notUsedLog, dScale}));
}
