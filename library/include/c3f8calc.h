/* c3f8calc: the operating-point calculation of an evaporative C3F8 cooling loop, as a C library.
 *
 * The same run as the window and c3f8calc-cli: the inputs give the results and the warnings, or
 * stop at a failure; c3f8_field gives each field's meaning and unit.
 *
 * Rules that hold for every function:
 * - It returns a status (c3f8_status_text alone returns a text): C3F8_OK, or an error whose
 *   text c3f8_status_text gives. On an error nothing is written to the caller's storage.
 * - A null pointer, a negative count or an index out of range is an error status, never a crash.
 * - It keeps no state between calls and allocates nothing that the caller must free: calls
 *   from several threads at once are safe. Texts returned through `const char **` are static,
 *   NUL-terminated UTF-8, valid as long as the library is loaded.
 * - Only fixed-width integer types cross the interface; the calling convention is the
 *   platform's C convention (on 64-bit Windows, the one x64 convention).
 *
 * Fields are numbered in the catalogue's order: the inputs tevap, tsub, x_we, x_wy, Qw, m,
 * then the results in the order a run writes them: pevap, Hliq_sat, Hvap_sat, Hwe_cap, Hx_we,
 * Hx_wy, dHw, dHg, Tlsub_max, x_we2, m_opt, Qg. c3f8_field and c3f8_field_index tell them apart
 * by name, and c3f8_counts, c3f8_warning, c3f8_failure_kind and c3f8_column give the rest of
 * the catalogue, so that a wrapper needs no copy of any list.
 *
 * The counts and limits below and the layout of the structs belong to the library file's
 * version, C3F8_SOVERSION: a library whose shape differs has another soname.
 */
#ifndef C3F8CALC_H
#define C3F8CALC_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32) && !defined(C3F8_BUILDING_LIBRARY)
#define C3F8_API __declspec(dllimport)
#elif defined(__GNUC__) && !defined(_WIN32)
#define C3F8_API __attribute__((visibility("default")))
#else
#define C3F8_API
#endif

/* The version of this interface's library file: libc3f8calc.so.C3F8_SOVERSION, and on Windows
 * c3f8calc.dll. */
#define C3F8_SOVERSION 1

#define C3F8_INPUT_COUNT 6
#define C3F8_RESULT_COUNT 12
#define C3F8_FIELD_COUNT 18
#define C3F8_WARNING_COUNT 2

/* Room for any text a run writes, its NUL included, with a separator of at most
 * C3F8_SEPARATOR_MAX bytes. */
#define C3F8_TEXT_MAX 400
#define C3F8_SEPARATOR_MAX 8

typedef int32_t c3f8_status;
#define C3F8_OK 0
#define C3F8_ERROR_NULL_POINTER 1     /* a pointer that must not be null is null */
#define C3F8_ERROR_BAD_INDEX 2        /* a number out of range, or a name that is none */
#define C3F8_ERROR_BAD_COUNT 3        /* a negative number of points or capacity */
#define C3F8_ERROR_BAD_SEPARATOR 4    /* empty, too long, or holding a digit, sign, blank, e or E */
#define C3F8_ERROR_BUFFER_TOO_SMALL 5 /* *needed says how many bytes a buffer must have */
#define C3F8_ERROR_OUT_OF_MEMORY 6
#define C3F8_ERROR_INTERNAL 7      /* a fault of the library: please report it */
#define C3F8_ERROR_BAD_VALUE 8     /* an infinite or NaN value where a finite one is needed */
#define C3F8_ERROR_NO_SATURATION 9 /* (since 1.10) no saturated state of the fluid there */

/* Where a run takes the properties of saturated C3F8 from (since 1.10; c3f8_properties names
 * them). */
#define C3F8_PROPERTIES_FITS 0      /* the five polynomial fits, as the window uses them */
#define C3F8_PROPERTIES_REFERENCE 1 /* the reference equation of state (Lemmon and Span 2006) */

/* The kinds of column in c3f8calc-cli's output (c3f8_column). */
#define C3F8_COLUMN_FIELD 0         /* of: the field */
#define C3F8_COLUMN_WARNING 1       /* of: the warning */
#define C3F8_COLUMN_OUTSIDE_FITS 2  /* the names of the fields outside the fits' trusted range */
#define C3F8_COLUMN_FAILURE 3       /* the kind of failure's name */
#define C3F8_COLUMN_FAILURE_FIELD 4 /* the name of the field the failure names */

/* *value: a limit or a layout of this build, by its name: "text_max" (C3F8_TEXT_MAX),
 * "separator_max" (C3F8_SEPARATOR_MAX), "pointer" (the size of a pointer in bytes),
 * "c3f8_field_info" and "c3f8_outcome" (a struct's size in bytes) and "STRUCT.MEMBER" (a member's
 * offset in bytes, as "c3f8_outcome.failure_kind"); C3F8_ERROR_BAD_INDEX for any other name.
 * For callers that cannot read this header's C, such as a script that lays out the structs
 * itself. */
C3F8_API c3f8_status c3f8_layout(const char *item, int64_t *value);

/* A static English text for status; "unknown status" for a number that is none. */
C3F8_API const char *c3f8_status_text(c3f8_status status);

/* *version: the project's version, "1.10". */
C3F8_API c3f8_status c3f8_version(const char **version);

/* The sizes of the catalogue: fields, warnings, kinds of failure, columns of c3f8calc-cli's
 * output. Any pointer may be null where that count is not wanted. */
C3F8_API c3f8_status c3f8_counts(int32_t *fields, int32_t *warnings, int32_t *failure_kinds,
                                 int32_t *columns);

typedef struct c3f8_field_info
{
    const char *name;    /* the object name, as an option and a column are named: "dHg" */
    const char *caption; /* as the window's labels read, UTF-8: "\xce\x94Hg" */
    const char *unit;    /* as the window's unit label reads ("kJ/kg"), or "" for none */
    const char *pattern; /* a result's display pattern ("0.000" ... "0"); "" for an input */
    const char *meaning; /* what it is, in a line of English */
    int32_t is_input;    /* 1 for an input, 0 for a result */
    int32_t decimals;    /* a result's shown decimals; -1 for an input */
} c3f8_field_info;

/* The catalogue's entry of field number field (0 ... C3F8_FIELD_COUNT - 1). */
C3F8_API c3f8_status c3f8_field(int32_t field, c3f8_field_info *info);
/* *field: the number of the field called name (exactly, in case); C3F8_ERROR_BAD_INDEX where
 * there is none. */
C3F8_API c3f8_status c3f8_field_index(const char *name, int32_t *field);
/* A warning's object name and its caption as the window shows it. */
C3F8_API c3f8_status c3f8_warning(int32_t warning, const char **name, const char **caption);
/* A kind of failure's name ("conversion" and the like, as c3f8calc-cli writes it) and its
 * message, in which "{}" stands for the field's caption. */
C3F8_API c3f8_status c3f8_failure_kind(int32_t kind, const char **name, const char **message);
/* Column number column of c3f8calc-cli's output: its name, its kind (C3F8_COLUMN_...) and the
 * field or warning it shows (0 for the other kinds). */
C3F8_API c3f8_status c3f8_column(int32_t column, const char **name, int32_t *kind, int32_t *of);
/* The temperatures over which the property fits are trusted, in C, both ends inside. */
C3F8_API c3f8_status c3f8_fits_trusted_range(double *from, double *to);

/* The property fits, for any argument (meaningless far outside the trusted range):
 * saturation pressure p [bar abs] at t [C], as the enthalpies use it and as pevap shows it
 * (0.0172 bar lower); saturated-liquid and -vapour enthalpy H [kJ/kg] at p; the liquid
 * temperature t at H. */
C3F8_API c3f8_status c3f8_psat(double t, double *p);
C3F8_API c3f8_status c3f8_psat_shown(double t, double *p);
C3F8_API c3f8_status c3f8_hliq(double p, double *H);
C3F8_API c3f8_status c3f8_hvap(double p, double *H);
C3F8_API c3f8_status c3f8_tliq(double H, double *t);

/* What one point's run gave besides its texts. */
/* Since 1.10. The name ("fits", "reference") and a line of English on properties
 * (C3F8_PROPERTIES_...); C3F8_ERROR_BAD_INDEX past the last. */
C3F8_API c3f8_status c3f8_properties(int32_t properties, const char **name, const char **meaning);

/* Since 1.10. The saturated state of C3F8 at t (C) by the reference equation of state: *p in
 * bar abs, *h_liquid and *h_vapour in kJ/kg (IIR reference state: 200 kJ/kg for the liquid at
 * 0 C). C3F8_ERROR_NO_SATURATION below the triple point (-147.7 C) and at or above the critical
 * point (71.87 C); C3F8_ERROR_BAD_VALUE for an infinite or NaN t. */
C3F8_API c3f8_status c3f8_reference_saturation(double t, double *p, double *h_liquid,
                                               double *h_vapour);

/* Since 1.10. The saturation temperature *t (C) at the absolute pressure p (bar) under
 * properties: with the fits, the temperature whose displayed pressure (c3f8_psat_shown) is p,
 * so that a run at *t shows p back as pevap; with the reference, the one whose saturation
 * pressure is p. C3F8_ERROR_NO_SATURATION at or below 0 bar, and with the reference outside the
 * triple point's and the critical point's pressures (2.02e-5 .. 26.40 bar);
 * C3F8_ERROR_BAD_VALUE for an infinite or NaN p. */
C3F8_API c3f8_status c3f8_saturation_temperature(int32_t properties, double p, double *t);

typedef struct c3f8_outcome
{
    double values[C3F8_RESULT_COUNT];    /* unrounded; NaN where the run stopped before */
    int8_t warnings[C3F8_WARNING_COUNT]; /* 1 shown, 0 hidden, -1 not decided (stopped) */
    int32_t failure_kind;                /* the kind of failure; -1 where the run completed */
    int32_t failure_field;               /* the field it names; -1 where none */
    uint32_t outside_fits;               /* bit i set: field i lies outside the trusted range */
} c3f8_outcome;

/* One point as the window runs it from an empty window: inputs holds the inputs' texts as
 * typed (in the catalogue's order; UTF-8), separator the decimal separator (one or more bytes of
 * UTF-8, at most C3F8_SEPARATOR_MAX). texts receives the results' texts, result i at
 * texts + i * text_capacity, "" for a result not reached; outcome the rest. A text_capacity of
 * C3F8_TEXT_MAX is always enough; a smaller one that does not hold every text gives
 * C3F8_ERROR_BUFFER_TOO_SMALL with *needed set (needed may be null otherwise); texts may be
 * null with a text_capacity of 0, to ask for the size. A failure of the
 * run (an input that is no number, a division by zero, an overflow) is no error: it is told
 * in outcome. */
C3F8_API c3f8_status c3f8_calculate(const char *const inputs[C3F8_INPUT_COUNT],
                                    const char *separator, char *texts, int64_t text_capacity,
                                    c3f8_outcome *outcome, int64_t *needed);

/* n points from numbers: input k of point j is at (const char *)inputs[k] + j * strides[k]
 * (a stride of 0 gives every point the same value). Each point is run as if its inputs had
 * been typed as the shortest texts that read back to them, with a point; a NaN or infinite
 * input is a conversion failure of that point at the step that reads it. Fills, for point j:
 * values[j * C3F8_RESULT_COUNT + i] (NaN where not reached), warnings[j * C3F8_WARNING_COUNT +
 * w] (1, 0, -1), outside_fits[j], failure_kinds[j] and failure_fields[j] (-1 where none).
 * *failed: how many points failed. One point's failure never stops the others. With n == 0
 * the arrays may be null. Each output array must be aligned as its element type is (as an
 * array of it declared in C is); the inputs need no alignment. Should memory run out
 * (C3F8_ERROR_OUT_OF_MEMORY), the points before the one it ran out at are filled. */
C3F8_API c3f8_status c3f8_calculate_many(int64_t n, const double *const inputs[C3F8_INPUT_COUNT],
                                         const int64_t strides[C3F8_INPUT_COUNT], double *values,
                                         int8_t *warnings, uint32_t *outside_fits,
                                         int32_t *failure_kinds, int32_t *failure_fields,
                                         int64_t *failed);

/* *value: text read as the window reads a field (an optional sign, digits, separator and an
 * exponent, blanks around); *readable: 1, or 0 where it is no number (then *value is NaN). */
/* Since 1.10. c3f8_calculate and c3f8_calculate_many with the properties of saturated C3F8
 * taken from properties (C3F8_PROPERTIES_...), C3F8_ERROR_BAD_INDEX for another number. With
 * the reference equation a point that has no saturated state fails with the kind
 * "no_saturated_state", and outside_fits is always 0. */
C3F8_API c3f8_status c3f8_calculate_with_properties(int32_t properties,
                                                    const char *const inputs[C3F8_INPUT_COUNT],
                                                    const char *separator, char *texts,
                                                    int64_t text_capacity, c3f8_outcome *outcome,
                                                    int64_t *needed);
C3F8_API c3f8_status c3f8_calculate_many_with_properties(
    int32_t properties, int64_t n, const double *const inputs[C3F8_INPUT_COUNT],
    const int64_t strides[C3F8_INPUT_COUNT], double *values, int8_t *warnings,
    uint32_t *outside_fits, int32_t *failure_kinds, int32_t *failure_fields, int64_t *failed);

C3F8_API c3f8_status c3f8_read_number(const char *text, const char *separator, double *value,
                                      int32_t *readable);

/* The text that result field field shows for value, as the window writes it; value must be
 * finite (C3F8_ERROR_BAD_VALUE), field a result (C3F8_ERROR_BAD_INDEX). */
C3F8_API c3f8_status c3f8_format_result(int32_t field, double value, const char *separator,
                                        char *text, int64_t capacity, int64_t *needed);

/* Since 1.10. c3f8_format_result for n values at once: the text of values[i] at
 * texts + i * capacity, "" for a NaN value. *needed (where not null) is the room the longest
 * text takes with its NUL; C3F8_ERROR_BUFFER_TOO_SMALL where it exceeds capacity, and
 * C3F8_ERROR_BAD_VALUE for an infinite value: then nothing is written. */
C3F8_API c3f8_status c3f8_format_results(int32_t field, int64_t n, const double *values,
                                         const char *separator, char *texts, int64_t capacity,
                                         int64_t *needed);

/* The window's message for a failure of kind naming field, two lines in UTF-8. Here too, and
 * in c3f8_format_result, text may be null with a capacity of 0, to ask for the size. */
C3F8_API c3f8_status c3f8_failure_message(int32_t kind, int32_t field, char *text, int64_t capacity,
                                          int64_t *needed);

#ifdef __cplusplus
}
#endif

#endif /* C3F8CALC_H */
