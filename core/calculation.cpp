#include "core/calculation.h"

#include "core/correlations.h"
#include "core/number_text.h"
#include "core/reference_properties.h"

#include <cmath>

namespace c3f8 {

namespace {

// Thrown inside a run only; calculate() hands it back in its outcome.
struct run_stopped
{
    calc_error error;
};

// The fields of the window as a record of texts: inputs read as typed, every result written
// as the window shows it.
class text_fields
{
public:
    text_fields(field_record &record, decimal_separator separator)
        : m_record(record), m_separator(separator)
    {
    }

    std::optional<double> input(field f) const { return text_to_number(m_record[f], m_separator); }
    // The number a result field shows, read back from its text.
    std::optional<double> shown(field f) const { return input(f); }
    void show(field f, double value)
    {
        m_record[f] = format_number(value, *row(f).shown_as, m_separator);
    }
    void set_warning(warning w, bool visible) { m_record.warnings[index(w)] = visible; }

private:
    field_record &m_record;
    decimal_separator m_separator;
};

// The fields as numbers: each input the double that its shortest text reads as, each result
// its unrounded value. A result's text is made only where a decision reads it back, so that a
// run decides exactly as on texts at a fraction of the work.
class number_fields
{
public:
    number_fields(const std::array<double, input_count> &inputs,
                  std::array<bool, warning_count> &warnings)
        : m_inputs(inputs), m_warnings(warnings)
    {
    }

    std::optional<double> input(field f) const
    {
        const double value = m_inputs[index(f)];
        if (!std::isfinite(value))
            return std::nullopt; // "inf" and "nan" do not read as numbers
        return value;            // the value that its shortest text ("-0" for -0.0) reads as
    }
    std::optional<double> shown(field f) const
    {
        return text_to_number(
            format_number(m_values[index(f) - input_count], *row(f).shown_as, "."), ".");
    }
    void show(field f, double value) { m_values[index(f) - input_count] = value; }
    void set_warning(warning w, bool visible) { m_warnings[index(w)] = visible; }

private:
    const std::array<double, input_count> &m_inputs;
    std::array<bool, warning_count> &m_warnings;
    std::array<double, result_count> m_values{};
};

template <class Fields> class run
{
public:
    run(Fields &fields, run_outcome &outcome) : m_fields(fields), m_outcome(outcome) {}

    double read(field f) const
    {
        const auto value = m_fields.input(f);
        if (!value)
            throw run_stopped{{error_kind::conversion, f}};
        return *value;
    }

    // The number the result field f shows, as a decision reads it back.
    double read_shown(field f) const
    {
        const auto value = m_fields.shown(f);
        if (!value)
            throw run_stopped{{error_kind::conversion, f}};
        return *value;
    }

    // A value computed for the result field f; IEEE arithmetic does not trap, so every value
    // is checked before it goes any further.
    static double checked(double value, field f)
    {
        if (!std::isfinite(value))
            throw run_stopped{{error_kind::overflow, f}};
        return value;
    }

    static double divide(double dividend, double divisor, field f)
    {
        if (divisor == 0.0)
            throw run_stopped{{error_kind::division_by_zero, f}};
        return checked(dividend / divisor, f);
    }

    // Writes value into the result field f with that field's display pattern.
    void show(field f, double value)
    {
        m_fields.show(f, value);
        m_outcome.values[index(f) - input_count] = value;
    }

    // Notes the temperature t of field f where the fits are not to be trusted; the reference
    // equation is trusted wherever it gives a state.
    void check_fits(properties from, field f, double t)
    {
        if (from == properties::fits && !fits_trusted_range.holds(t))
            m_outcome.outside_fits.set(index(f));
    }

    // A property the reference equation gives only where the fluid has that state.
    template <class T> static T saturated(std::optional<T> value, field f)
    {
        if (!value)
            throw run_stopped{{error_kind::no_saturated_state, f}};
        return *value;
    }

    void set_warning(warning w, bool visible)
    {
        m_fields.set_warning(w, visible);
        m_outcome.decided[index(w)] = true;
    }

private:
    Fields &m_fields;
    run_outcome &m_outcome;
};

template <class Fields> void perform(run<Fields> &r, properties from)
{
    using f = field;
    using run = c3f8::run<Fields>;
    const bool fits = from == properties::fits;

    // 1-5. With the fits, the displayed pressure and the working pressure differ in their
    // constant term; the reference equation has one pressure.
    const double tevap = r.read(f::tevap);
    r.check_fits(from, f::tevap, tevap);
    double Hliq, Hvap;
    if (fits) {
        r.show(f::pevap, run::checked(psat_shown(tevap), f::pevap));
        const double p = run::checked(psat(tevap), f::Hliq_sat);
        Hliq = run::checked(hliq(p), f::Hliq_sat);
        r.show(f::Hliq_sat, Hliq);
        Hvap = run::checked(hvap(p), f::Hvap_sat);
        r.show(f::Hvap_sat, Hvap);
    } else {
        const auto state = run::saturated(reference::saturation(tevap), f::pevap);
        r.show(f::pevap, state.p);
        Hliq = state.h_liquid;
        r.show(f::Hliq_sat, Hliq);
        Hvap = state.h_vapour;
        r.show(f::Hvap_sat, Hvap);
    }
    const double tsub = r.read(f::tsub);
    r.check_fits(from, f::tsub, tsub);
    const double Hwe =
        fits ? run::checked(hliq(run::checked(psat(tsub), f::Hwe_cap)), f::Hwe_cap)
             : run::saturated(reference::has_two_phases(tsub) ? reference::liquid_enthalpy(tsub)
                                                              : std::nullopt,
                              f::Hwe_cap);
    r.show(f::Hwe_cap, Hwe);

    // 6-10: the outlet enthalpy is formed from the vapour side; that form decides whether the
    // rise between equal qualities comes out exactly zero.
    const double latent = run::checked(Hvap - Hliq, f::Hx_we);
    const double Hxwe = run::checked(Hliq + latent * r.read(f::x_we), f::Hx_we);
    const double Hxwy = run::checked(Hvap - latent * (1 - r.read(f::x_wy)), f::Hx_wy);
    const double dHw = run::checked(Hxwy - Hxwe, f::dHw);
    const double dHg = run::checked(Hxwe - Hwe, f::dHg);

    // 11-12: the warning compares the displayed, rounded rise.
    r.show(f::Hx_we, Hxwe);
    r.show(f::Hx_wy, Hxwy);
    r.show(f::dHw, dHw);
    r.show(f::dHg, dHg);
    r.set_warning(warning::Ostrzezenie, r.read_shown(f::dHg) < 0);

    // 13-15: liquid at Tlsub_max expanded to the evaporation pressure should give x_we again.
    const double Tl = fits ? run::checked(tliq(Hxwe), f::Tlsub_max)
                           : run::saturated(reference::liquid_temperature(Hxwe), f::Tlsub_max);
    r.show(f::Tlsub_max, Tl);
    r.check_fits(from, f::Tlsub_max, Tl);
    const double Hl = fits ? run::checked(hliq(run::checked(psat(Tl), f::x_we2)), f::x_we2)
                           : run::saturated(reference::liquid_enthalpy(Tl), f::x_we2);
    r.show(f::x_we2, run::divide(run::checked(Hl - Hliq, f::x_we2), latent, f::x_we2));

    // 16-17: W / (kJ/kg) = g/s and g/s * kJ/kg = W.
    r.show(f::m_opt, run::divide(r.read(f::Qw), dHw, f::m_opt));
    const double m = r.read(f::m);
    const double Qg = run::checked(m * run::checked(dHg + dHw, f::Qg) - r.read(f::Qw), f::Qg);
    r.show(f::Qg, Qg);

    // 18: the comparison is numeric, against the displayed two-decimal optimum.
    const double m_set = r.read(f::m);
    r.set_warning(warning::m_warn, m_set < r.read_shown(f::m_opt));
}

template <class Fields> run_outcome run_on(Fields &fields, properties from)
{
    run_outcome outcome;
    run r(fields, outcome);
    try {
        perform(r, from);
    } catch (const run_stopped &stopped) {
        outcome.failure = stopped.error;
    }
    return outcome;
}

} // namespace

run_outcome calculate(field_record &record, decimal_separator separator, properties from)
{
    text_fields fields(record, separator);
    return run_on(fields, from);
}

run_outcome calculate(const std::array<double, input_count> &inputs,
                      std::array<bool, warning_count> &warnings, properties from)
{
    number_fields fields(inputs, warnings);
    return run_on(fields, from);
}

std::string failure_message(const calc_error &error)
{
    const std::string_view pattern = row(error.kind).message;
    const auto at = pattern.find("{}");
    std::string message(pattern.substr(0, at));
    message += row(error.field).caption;
    message += pattern.substr(at + 2);
    message += '\n';
    message += failure_consequence;
    return message;
}

} // namespace c3f8
