"""Running /usr/bin/convert: the output and work folders, fonts, layers drawn from the
drawing language, compositing and the saved files."""
import os
import subprocess
import tempfile


# The repository's top folder, two above this package.
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
PICTURES = os.path.join(ROOT, 'assets', 'pictures')
ICONS = os.path.join(ROOT, 'assets', 'icons')
TITLE_FONT = os.path.join(ROOT, 'assets', 'fonts', 'blankenburg.ttf')
CONVERT = '/usr/bin/convert'


def text_font():
    """A bold serif for small lettering (the title itself is always blackletter)."""
    try:
        path = subprocess.run(['fc-match', '-f', '%{file}', 'P052:bold'], check=True,
                              capture_output=True, text=True).stdout.strip()
        if path and os.path.exists(path):
            return path
    except (OSError, subprocess.CalledProcessError):
        pass
    return TITLE_FONT


def im(*args):
    subprocess.run([CONVERT, *[str(a) for a in args]], check=True)


def im_size(path):
    res = subprocess.run([CONVERT, path, '-format', '%w %h', 'info:'], check=True,
                         capture_output=True, text=True).stdout.split()
    return int(res[0]), int(res[1])


_work = None


def work_folder():
    """The folder this run's layers are drawn into, made on first use."""
    global _work
    if _work is None:
        _work = tempfile.mkdtemp(prefix='korvald-pictures-')
    return _work


def tmp(name):
    return os.path.join(work_folder(), name)


def save_jpeg(source, name):
    out = os.path.join(PICTURES, name + '.jpg')
    im(source, '-strip', '-sampling-factor', '1x1', '-quality', '90', out)
    print('wrote', os.path.relpath(out, ROOT))


def write_ppm(path, w, h, pixel_rows):
    with open(path, 'wb') as f:
        f.write(b'P6\n%d %d\n255\n' % (w, h))
        for row in pixel_rows:
            f.write(row)


def draw_layer(path, w, h, mvg, blur=None):
    args = ['-size', f'{w}x{h}', 'xc:none', '-draw', mvg]
    if blur:
        args += ['-channel', 'RGBA', '-blur', blur, '+channel']
    im(*args, path)


def compose(base, layers, out):
    args = [base]
    for layer in layers:
        args += [layer, '-compose', 'Over', '-composite']
    im(*args, out)


def finish(source, out, vignette=0.35, grain=0.1):
    """A painter's finish: soft edges, a little grain and darker corners."""
    w, h = im_size(source)
    vig = tmp('vignette.png')
    edge = int(255 * (1 - vignette))
    im('-size', f'{w}x{h}', f'radial-gradient:white-rgb({edge},{edge},{edge})', vig)
    im(source, '-blur', '0x0.35', vig, '-compose', 'Multiply', '-composite',
       '-seed', '9', '-attenuate', str(grain), '+noise', 'Gaussian', out)
