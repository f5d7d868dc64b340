#!/usr/bin/python3
"""Reference values for the built-in function library, computed with mpmath at 40 digits.

The formulas and branch choices are those the library states (angles by the point-angle
rule, arccos and arccot with their own branches); argcosh and argcoth are mpmath's
principal inverses. Arguments are first rounded to the 64-bit significand of the 80-bit
format, so both sides see the same input.

Output rows (tests/data/functions_reference.txt):
  f NAME MODE LEFT_RE LEFT_IM RIGHT_RE RIGHT_IM RESULT_RE RESULT_IM TOLERANCE
  lcg SEED COUNT R1 ... RN          outputs of the random generator's recurrence
  uniform SEED A B V1 V2 V3          its first three uniform values in [A, B)

Run:  /usr/bin/python3 tests/reference/make_function_reference.py > tests/data/functions_reference.txt
"""
import mpmath as mp

mp.mp.dps = 40
I = mp.mpc(0, 1)
PI = mp.pi
TINY = mp.mpf('1e-18')


def x80(v):
    """v rounded to the 64-bit significand of an 80-bit real."""
    with mp.workprec(64):
        return +mp.mpf(v)


def fmt(v):
    return mp.nstr(mp.mpf(v), 25, min_fixed=1, max_fixed=0) if v != 0 else '0'


# --- the stated definitions -------------------------------------------------------------

def point_angle(x, y):
    if abs(x) >= TINY:
        a = mp.atan(y / x)
        if x < 0:
            a += PI if y >= 0 else -PI
        return a
    return PI / 2 if y >= 0 else -PI / 2


def c_ln(z):
    z = mp.mpc(z)
    return mp.mpc(mp.log(z.real ** 2 + z.imag ** 2) / 2, point_angle(z.real, z.imag))


def c_sqrt(z):
    z = mp.mpc(z)
    t = point_angle(z.real, z.imag) / 2
    return mp.sqrt(abs(z)) * mp.mpc(mp.cos(t), mp.sin(t))


def c_exp(z):
    z = mp.mpc(z)
    return mp.exp(z.real) * mp.mpc(mp.cos(z.imag), mp.sin(z.imag))


def c_atan(z):
    return -(I / 2) * c_ln((1 + I * z) / (1 - I * z))


def c_asin(z):
    return -I * c_ln(I * z + c_sqrt(1 - z * z))


def c_acos(z):
    return -I * c_ln(z + c_sqrt(z * z - 1))


def c_acot(z):
    return PI / 2 - c_atan(z)


def c_sin(z):
    e = c_exp(I * z)
    d = (e - 1 / e) / 2
    return mp.mpc(d.imag, -d.real)


def c_cos(z):
    e = c_exp(I * z)
    return (e + 1 / e) / 2


def c_tanh(z):
    w = c_exp(2 * z)
    return (w - 1) / (w + 1)


def c_tan(z):
    t = c_tanh(I * z)
    return mp.mpc(t.imag, -t.real)


def c_sinh(z):
    return (c_exp(z) - c_exp(-z)) / 2


def c_cosh(z):
    return (c_exp(z) + c_exp(-z)) / 2


def c_root(n, z):
    z = mp.mpc(z)
    a = point_angle(z.real, z.imag) / n
    return mp.mpc(mp.cos(a), mp.sin(a)) * mp.exp(mp.log(abs(z)) / n)


K = [mp.mpf(s) for s in ('0.7125185551707076', '5.450392255494851', '0.3310636497758604',
                         '2.9914210678640645', '0.21542756221506607')]


def gamma_formula(z, complex_mode):
    """The stated approximation: reflection, Stirling term, continued fraction."""
    reflected = False
    if (z.real if complex_mode else z) < 0:
        s = c_sin(PI * z) if complex_mode else mp.sin(PI * z)
        r = PI * (1 - z) / s
        z = 2 - z
        reflected = True
    p = (z + 1) * z * (z + 2) * (z + 3) * (z + 4) * (z + 5)
    t = z + mp.mpf('5.5')
    lt = c_ln(t) if complex_mode else mp.log(t)
    ll = t * lt - t
    res = (c_exp(ll) if complex_mode else mp.exp(ll)) / p
    c = 0
    for k in (4, 3, 2, 1, 0):
        c = 1 / (c + t * K[k])
    res = mp.sqrt(2 * PI) * res / (1 + 1 / (c + 24 * t - mp.mpf('0.5')))
    return r / res if reflected else res


# --- rows ------------------------------------------------------------------------------

rows = []


def row(name, mode, left, right, value, tol='1e-15'):
    left = mp.mpc(left)
    right = mp.mpc(right)
    value = mp.mpc(value)
    rows.append('f %s %s %s %s %s %s %s %s %s' % (
        name, mode, fmt(left.real), fmt(left.imag), fmt(right.real), fmt(right.imag),
        fmt(value.real), fmt(value.imag), tol))


def real_rows(name, points, f, tol='1e-15'):
    for p in points:
        x = x80(p)
        row(name, 'r', 0, x, f(x), tol)


def complex_rows(name, points, f, tol='1e-15'):
    for re, im in points:
        z = mp.mpc(x80(re), x80(im))
        row(name, 'c', 0, z, f(z), tol)


GRID = [(a, b) for a in ('-2.5', '-0.7', '-1e-7', '0.3', '1.6') for b in ('-1.8', '-0.4', '1e-8', '0.5', '2.2')]
AXES = [(v, '0') for v in ('-3', '-1.5', '-0.5', '1e-12', '0.5', '1.5', '3')] + \
       [('0', v) for v in ('-3', '-1.5', '-0.5', '1e-12', '0.5', '1.5', '3')]
NEAR_CUTS = [('1.0000001', '1e-9'), ('1.0000001', '-1e-9'), ('-1.0000001', '1e-9'), ('-1.0000001', '-1e-9'),
             ('1e-9', '1.0000001'), ('-1e-9', '1.0000001'), ('1e-9', '-1.0000001'), ('-1e-9', '-1.0000001'),
             ('-4', '1e-15'), ('-4', '-1e-15')]
SMALL = [('1e-10', '2e-10'), ('-3e-12', '1e-11'), ('0', '1e-9')]
LARGE = [('1e6', '3e5'), ('-2e7', '-1e7'), ('4e8', '-9e8')]
ALL = GRID + AXES + NEAR_CUTS + SMALL


def main():
    pi80 = x80(PI)
    # power and roots
    real_rows('sqrt', ['0', '1e-30', '2', '0.25', '1e10', '3e-5'], mp.sqrt)
    for b, n in (('2', '0.5'), ('10', '-1.5'), ('0.3', '2.7'), ('7.5', '1e-3'), ('1e-10', '0.5'), ('1e3', '100.5')):
        row('power', 'r', x80(b), x80(n), mp.exp(x80(n) * mp.log(x80(b))))
    for b, n in (('-2', '3'), ('1.5', '-4'), ('-0.5', '7'), ('3', '20')):
        row('power', 'r', x80(b), x80(n), x80(b) ** int(n))
        row('pow', 'r', x80(n), x80(b), x80(b) ** int(n))
    for n, x in (('3', '-8'), ('2', '2'), ('5', '1e-10'), ('-3', '27'), ('7', '-3.5'), ('4', '1e12')):
        v = mp.sign(x80(x)) * mp.exp(mp.log(abs(x80(x))) / int(n))
        row('root', 'r', int(n), x80(x), v)
    for n in (2, 3, -2, 5):
        for re, im in GRID + SMALL + LARGE:
            z = mp.mpc(x80(re), x80(im))
            row('root', 'c', n, z, c_root(n, z))
    complex_rows('sqrt', ALL + LARGE, c_sqrt)
    for (br, bi), (nr, ni) in ((('1.5', '0.5'), ('0.5', '0.25')), (('-2', '0'), ('0.5', '0')),
                                (('0.3', '-1.2'), ('-1.7', '2')), (('4', '0'), ('0.5', '0'))):
        b = mp.mpc(x80(br), x80(bi))
        n = mp.mpc(x80(nr), x80(ni))
        row('power', 'c', b, n, c_exp(n * c_ln(b)))
    for (br, bi), n in ((('1.5', '0.5'), 5), (('-0.3', '1.1'), -3), (('2', '-1'), 12)):
        b = mp.mpc(x80(br), x80(bi))
        row('power', 'c', b, n, b ** n)
        row('pow', 'c', n, b, b ** n)
    # exponential and logarithms
    real_rows('exp', ['0', '1', '-1', '1e-12', '40', '-4999', '4999', '0.5'], mp.exp)
    real_rows('ln', ['1e-18', '1e-10', '0.5', '1.0000001', '2', '1e300'], mp.log)
    real_rows('log', ['1e-18', '0.5', '1000', '7'], mp.log10)
    real_rows('cis', ['0', '1', '-2.5', '1e5'], mp.cos)
    complex_rows('exp', ALL + [('-4999', '1'), ('4999', '-2'), ('1', '1e5')], c_exp)
    complex_rows('ln', ALL + LARGE + [('1e-17', '0'), ('0.6', '0.8000001')], c_ln)
    complex_rows('log', GRID, lambda z: c_ln(z) / mp.log(10))
    complex_rows('cis', ALL, lambda z: c_exp(I * z))
    # trigonometric
    trig = ['0', '1e-10', '0.5', '-1.2', '3', '100', '1e6', '-3e10']
    real_rows('sin', trig + [str(pi80)], mp.sin)
    real_rows('cos', trig + [str(pi80 / 2)], mp.cos)
    real_rows('tan', trig + [str(pi80 / 2 - mp.mpf('1e-9'))], mp.tan)
    real_rows('sec', trig, mp.sec)
    real_rows('csc', trig[1:], mp.csc)
    real_rows('cot', trig[1:], mp.cot)
    real_rows('arctan', ['0', '1e-10', '0.5', '-3', '1e20'], mp.atan)
    real_rows('arcsin', ['0', '1e-10', '0.5', '-1', '0.9999999'], mp.asin)
    real_rows('arccos', ['0', '1e-10', '0.5', '-1', '1', '0.9999999'], mp.acos)
    real_rows('arccot', ['0', '0.5', '-3', '1e10'], lambda x: PI / 2 - mp.atan(x))
    zs = ALL + [('0.3', '40'), ('0.3', '-40')]
    complex_rows('sin', zs, c_sin)
    complex_rows('cos', zs, c_cos)
    complex_rows('tan', zs + [('0.3', '300'), ('1.2', '-2000')], c_tan)
    complex_rows('sec', GRID + SMALL, lambda z: 1 / c_cos(z))
    complex_rows('csc', GRID + SMALL, lambda z: 1 / c_sin(z))
    complex_rows('cot', GRID + SMALL, lambda z: 1 / c_tan(z))
    complex_rows('arctan', ALL + LARGE, c_atan)
    complex_rows('arcsin', ALL + LARGE, c_asin)
    complex_rows('arccos', ALL + LARGE + [('-1e5', '0'), ('1e5', '1e-3')], c_acos)
    complex_rows('arccot', ALL, c_acot)
    # hyperbolic
    hyp = ['0', '1e-10', '0.5', '-1.2', '3', '30', '-4999']
    real_rows('sinh', hyp, mp.sinh)
    real_rows('cosh', hyp, mp.cosh)
    real_rows('tanh', hyp + ['6000', '-6000'], lambda x: mp.tanh(x) if abs(x) < 5000 else mp.sign(x))
    real_rows('sech', hyp + ['6000'], lambda x: mp.sech(x) if abs(x) < 5000 else 0)
    real_rows('csch', hyp[1:] + ['6000'], lambda x: mp.csch(x) if abs(x) < 5000 else 0)
    real_rows('coth', hyp[1:] + ['6000', '-6000'], lambda x: mp.coth(x) if abs(x) < 5000 else mp.sign(x))
    real_rows('argsinh', ['0', '1e-10', '0.5', '-3', '-1e5', '1e15', '-1e30'], mp.asinh)
    real_rows('argcosh', ['1', '1.0000001', '2', '1e10'], mp.acosh)
    real_rows('argtanh', ['0', '1e-10', '0.5', '-0.9999999'], mp.atanh)
    real_rows('argcoth', ['1.0000001', '2', '-3', '1e10'], lambda x: mp.log((x + 1) / (x - 1)) / 2)
    complex_rows('sinh', ALL + [('40', '0.3'), ('-4999', '0.5')], c_sinh)
    complex_rows('cosh', ALL + [('40', '0.3'), ('-4999', '0.5')], c_cosh)
    complex_rows('tanh', ALL + [('40', '0.3'), ('-300', '0.5')], c_tanh)
    complex_rows('sech', GRID + SMALL, lambda z: 1 / c_cosh(z))
    complex_rows('csch', GRID + SMALL, lambda z: 1 / c_sinh(z))
    complex_rows('coth', GRID + SMALL, lambda z: 1 / c_tanh(z))
    complex_rows('argsinh', ALL + LARGE, lambda z: -I * c_asin(I * z))
    complex_rows('argtanh', ALL + LARGE, lambda z: -I * c_atan(I * z))
    # the true inverses (the stated rotations of arccos and arccot are not)
    complex_rows('argcosh', ALL + LARGE, mp.acosh)
    POLES = [('1.0000001', '0'), ('-1.0000001', '0'), ('0.9999999', '0'), ('1e5', '0'), ('1', '1e-7'), ('-1', '-1e-7')]
    complex_rows('argcosh', POLES, mp.acosh)
    complex_rows('argtanh', POLES, lambda z: -I * c_atan(I * z))
    complex_rows('argcoth', [p for p in ALL + LARGE + POLES if mp.mpc(x80(p[0]), x80(p[1])) != 0], mp.acoth)
    # special functions
    gpts = ['0.5', '1', '1.5', '2.5', '7.3', '20', '100.25', '170', '-0.5', '-2.7', '-10.3', '0.0015']
    real_rows('gamma', gpts, lambda x: gamma_formula(x, False), '1e-14')
    real_rows('gamma', gpts, mp.gamma, '3e-13')
    real_rows('fact', ['0', '5', '0.5', '-1.5', '169'], lambda x: gamma_formula(x + 1, False), '1e-14')
    cg = [('0.5', '0.5'), ('3', '-2'), ('1e-3', '1'), ('12', '0.1'), ('-2.5', '0.7'), ('-0.3', '-1.2'), ('15', '3'),
          ('2', '0')]
    complex_rows('gamma', cg, lambda z: gamma_formula(z, True), '1e-14')
    complex_rows('gamma', cg, mp.gamma, '3e-13')
    epts = ['0', '1e-10', '0.001', '0.25', '0.5', '-1', '1.23456', '2', '3.14159', '5.555', '6.4', '6.409', '-6.4099']
    real_rows('erf', epts, mp.erf)
    real_rows('gauss', ['0', '1', '-2.5', '9.99'], lambda x: mp.exp(-x * x / 2) / mp.sqrt(2 * PI))
    for n, r in (('5', '2'), ('0.5', '2'), ('-2.5', '4'), ('10', '10'), ('30', '15'), ('3', '5'), ('7.25', '0')):
        n80 = x80(n)
        v = mp.mpf(1)
        for i in range(int(r)):
            v = v * (n80 - i) / (int(r) - i)
        row('binom', 'r', n80, int(r), v)
    # several arguments
    for x, y in (('3', '4'), ('-1', '0'), ('-1', '-0.0001'), ('1e-20', '1'), ('-2', '3'), ('0.5', '-7')):
        row('arg2', 'r', x80(x), x80(y), point_angle(x80(x), x80(y)))
    complex_rows('arg', GRID + AXES, lambda z: point_angle(z.real, z.imag))
    complex_rows('abs', GRID + AXES + LARGE, abs)
    complex_rows('sgn', GRID + AXES + LARGE, lambda z: z / abs(z))
    for line in rows:
        print(line)
    random_rows()


def lcg(seed, count):
    """The first outputs of the program's generator from `seed`."""
    state = seed
    for _ in range(count):
        state = (state * ((346 << 32) + 20021) + 1) & ((1 << 64) - 1)
        yield (state >> 32) & 0x7FFFFFFF


def random_rows():
    for seed in (0, 1, 1733500000, 0xFFFFFFFF, 0x123456789ABCDEF0):
        out = list(lcg(seed, 12))
        print('lcg %d %d %s' % (seed, len(out), ' '.join(str(v) for v in out)))
    for seed, a, b in ((42, -5, 5), (7, 0, 1), (1733500000, -1, 1)):
        vals = [mp.mpf(a) + (r % 1000000) * mp.mpf(b - a) * mp.mpf('1e-6') for r in lcg(seed, 3)]
        print('uniform %d %d %d %s' % (seed, a, b, ' '.join(fmt(v) for v in vals)))


if __name__ == '__main__':
    main()
