#!/usr/bin/env python3
"""A stand-in for xdg-desktop-portal on a private session bus, for the portal tests.

Run as `fake_portal.py --run PROGRAM ARGS...` inside `dbus-run-session`: it takes the portal's
bus name, runs the program, and exits with the program's exit code. The program steers it
through org.tintora.FakePortal on /org/tintora/FakePortal: how each kind of request is answered
("answer", "cancel", "fail" with code 2, "error" from the bus, "silent" never), the colour to
pick, the picture to write, whether global shortcuts exist, pressing the shortcut, and a log
of what was asked.
"""
import os
import struct
import subprocess
import sys
import zlib

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

PORTAL = 'org.freedesktop.portal.Desktop'
DESKTOP = '/org/freedesktop/portal/desktop'
SHOT = 'org.freedesktop.portal.Screenshot'
KEYS = 'org.freedesktop.portal.GlobalShortcuts'
CONTROL = 'org.tintora.FakePortal'


def write_png(path, width, height):
    """A picture whose pixel (x, y) is (x, y, 0x5A), so the test can tell every pixel apart."""
    rows = b''.join(b'\0' + b''.join(bytes((x, y, 0x5A)) for x in range(width)) for y in range(height))

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n')
        f.write(chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b'IDAT', zlib.compress(rows)))
        f.write(chunk(b'IEND', b''))


def sender_part(sender):
    return sender[1:].replace('.', '_')


class Request(dbus.service.Object):
    def __init__(self, portal, path):
        super().__init__(portal.connection, path)
        self.portal = portal
        self.path = path

    @dbus.service.signal('org.freedesktop.portal.Request', signature='ua{sv}')
    def Response(self, code, results):
        pass

    @dbus.service.method('org.freedesktop.portal.Request')
    def Close(self):
        self.portal.log.append('Close request')
        self.remove_from_connection()


class Session(dbus.service.Object):
    def __init__(self, portal, path):
        super().__init__(portal.connection, path)
        self.portal = portal

    @dbus.service.method('org.freedesktop.portal.Session')
    def Close(self):
        self.portal.log.append('Close session')
        self.remove_from_connection()


class Portal(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, DESKTOP)
        self.control = Control(self, bus)
        self.modes = {}
        self.colour = (0.0, 0.0, 0.0)
        self.picture = ''
        self.shortcuts_version = 1
        self.session = ''
        self.log = []

    def answer(self, kind, path, results):
        mode = self.modes.get(kind, 'answer')
        if mode == 'error':
            raise dbus.exceptions.DBusException('Access denied by the test',
                                                name='org.freedesktop.portal.Error.NotAllowed')
        request = Request(self, path)
        if mode == 'silent':
            return path
        code = {'answer': 0, 'cancel': 1, 'fail': 2}[mode]

        def respond():
            request.Response(dbus.UInt32(code), dbus.Dictionary(results() if code == 0 else {}, signature='sv'))
            request.remove_from_connection()
            return False
        # After the method's own reply, as a real portal answers once the user is done.
        GLib.timeout_add(20, respond)
        return path

    def request_path(self, sender, options):
        return DESKTOP + '/request/' + sender_part(sender) + '/' + str(options.get('handle_token', 'none'))

    @dbus.service.method(SHOT, in_signature='sa{sv}', out_signature='o', sender_keyword='sender')
    def PickColor(self, parent, options, sender=None):
        self.log.append('PickColor ' + str(options.get('handle_token', '')))
        return self.answer('pick', self.request_path(sender, options),
                           lambda: {'color': dbus.Struct(self.colour, signature='ddd')})

    @dbus.service.method(SHOT, in_signature='sa{sv}', out_signature='o', sender_keyword='sender')
    def Screenshot(self, parent, options, sender=None):
        self.log.append('Screenshot interactive=%s' % bool(options.get('interactive', True)))
        return self.answer('shot', self.request_path(sender, options),
                           lambda: {'uri': 'file://' + self.picture})

    @dbus.service.method(KEYS, in_signature='a{sv}', out_signature='o', sender_keyword='sender')
    def CreateSession(self, options, sender=None):
        self.log.append('CreateSession')
        session = DESKTOP + '/session/' + sender_part(sender) + '/' + str(options['session_handle_token'])

        def opened():
            Session(self, session)
            self.session = session
            return {'session_handle': session}
        return self.answer('session', self.request_path(sender, options), opened)

    @dbus.service.method(KEYS, in_signature='oa(sa{sv})sa{sv}', out_signature='o', sender_keyword='sender')
    def BindShortcuts(self, session, shortcuts, parent, options, sender=None):
        for shortcut_id, properties in shortcuts:
            self.log.append('Bind %s %s' % (shortcut_id, properties.get('preferred_trigger', '')))
        return self.answer('bind', self.request_path(sender, options), lambda: {'shortcuts': shortcuts})

    @dbus.service.signal(KEYS, signature='osta{sv}')
    def Activated(self, session, shortcut_id, timestamp, options):
        pass

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature='ss', out_signature='v')
    def Get(self, interface, name):
        if interface == SHOT and name == 'version':
            return dbus.UInt32(2)
        if interface == KEYS and name == 'version' and self.shortcuts_version > 0:
            return dbus.UInt32(self.shortcuts_version)
        raise dbus.exceptions.DBusException('No such interface', name='org.freedesktop.DBus.Error.InvalidArgs')


class Control(dbus.service.Object):
    def __init__(self, portal, bus):
        super().__init__(bus, '/org/tintora/FakePortal')
        self.portal = portal

    @dbus.service.method(CONTROL, in_signature='')
    def Reset(self):
        p = self.portal
        p.modes, p.colour, p.picture, p.shortcuts_version, p.session, p.log = {}, (0.0, 0.0, 0.0), '', 1, '', []

    @dbus.service.method(CONTROL, in_signature='ss')
    def SetMode(self, kind, mode):
        self.portal.modes[str(kind)] = str(mode)

    @dbus.service.method(CONTROL, in_signature='ddd')
    def SetColour(self, red, green, blue):
        self.portal.colour = (red, green, blue)

    @dbus.service.method(CONTROL, in_signature='sii')
    def WritePicture(self, path, width, height):
        write_png(str(path), width, height)
        self.portal.picture = str(path)

    @dbus.service.method(CONTROL, in_signature='u')
    def SetShortcutsVersion(self, version):
        self.portal.shortcuts_version = int(version)

    @dbus.service.method(CONTROL, in_signature='s')
    def Press(self, shortcut_id):
        self.portal.Activated(dbus.ObjectPath(self.portal.session or '/'), shortcut_id, dbus.UInt64(0),
                              dbus.Dictionary({}, signature='sv'))

    @dbus.service.method(CONTROL, out_signature='as')
    def Log(self):
        return self.portal.log


def main():
    if len(sys.argv) < 3 or sys.argv[1] != '--run':
        sys.exit('usage: fake_portal.py --run PROGRAM [ARGS...]')
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    name = dbus.service.BusName(PORTAL, bus, do_not_queue=True)
    portal = Portal(bus)
    loop = GLib.MainLoop()
    child = subprocess.Popen(sys.argv[2:])
    result = []

    def ended(pid, status):
        # GLib has reaped the child: its status is here, not in Popen any more.
        code = os.waitstatus_to_exitcode(status)
        result.append(code if code >= 0 else 128 - code)
        loop.quit()
    GLib.child_watch_add(GLib.PRIORITY_DEFAULT, child.pid, ended)
    loop.run()
    del name, portal
    sys.exit(result[0] if result else 1)


if __name__ == '__main__':
    main()
